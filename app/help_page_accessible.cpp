#include "app/help_page_accessible.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>

#include "app/help_window.h"
#include "ui/widget_part_accessible.h"

namespace vorelim {
namespace {

class LinkAccessible : public WidgetPartAccessible,
                       public QAccessibleHyperlinkInterface,
                       public QAccessibleActionInterface {
 public:
  LinkAccessible(QTextBrowser* browser, PageLink link)
      : WidgetPartAccessible(browser), link_(link) {}

  // QAccessibleInterface
  QString text(QAccessible::Text type) const override {
    if (type == QAccessible::Name) return link_.words;
    if (type == QAccessible::Value) return link_.target;
    return {};
  }
  QRect rect() const override {
    if (browser() == nullptr) return {};
    QTextCursor cursor(browser()->document());
    cursor.setPosition(link_.start);
    QRect area = browser()->cursorRect(cursor);
    cursor.setPosition(link_.end);
    area = area.united(browser()->cursorRect(cursor));
    return QRect(browser()->viewport()->mapToGlobal(area.topLeft()), area.size());
  }
  QAccessible::Role role() const override { return QAccessible::Link; }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.focusable = true;
    state.linked = true;
    state.readOnly = true;
    state.invisible = browser() == nullptr || !browser()->isVisible();
    state.focused = IsCurrent() && browser()->hasFocus();
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::HyperlinkInterface)
      return static_cast<QAccessibleHyperlinkInterface*>(this);
    if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
  }

  // QAccessibleHyperlinkInterface, which asks isValid() as well.
  bool isValid() const override { return WidgetPartAccessible::isValid(); }
  QString anchor() const override { return link_.words; }
  QString anchorTarget() const override { return link_.target; }
  int startIndex() const override { return link_.start; }
  int endIndex() const override { return link_.end; }

  // QAccessibleActionInterface: pressing the link follows it, as Enter on it does.
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name != pressAction() || browser() == nullptr) return;
    if (auto* help = qobject_cast<HelpWindow*>(browser()->parentWidget()))
      help->FollowLink(QUrl(link_.target));
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

  bool IsCurrent() const {
    if (browser() == nullptr) return false;
    const QTextCursor cursor = browser()->textCursor();
    return cursor.hasSelection() && cursor.selectionStart() == link_.start &&
           cursor.selectionEnd() == link_.end;
  }

 private:
  // The page's browser, or null once it is gone.
  QTextBrowser* browser() const { return static_cast<QTextBrowser*>(widget()); }

  PageLink link_;
};

}  // namespace

QList<PageLink> LinksOfPage(const QTextBrowser& browser) {
  QList<PageLink> links;
  for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const QTextCharFormat format = fragment.charFormat();
      if (!format.isAnchor() || format.anchorHref().isEmpty()) continue;
      const int start = fragment.position();
      const int end = start + fragment.length();
      // A link written in several formats comes in several fragments: they make one link.
      if (!links.isEmpty() && links.last().end == start &&
          links.last().target == format.anchorHref()) {
        links.last().end = end;
        links.last().words += fragment.text();
      } else {
        links.append({start, end, fragment.text(), format.anchorHref()});
      }
    }
  }
  for (PageLink& link : links) link.words = link.words.simplified();
  return links;
}

HelpPageAccessible::HelpPageAccessible(QTextBrowser* browser)
    : QAccessibleWidget(browser, QAccessible::Document) {}

HelpPageAccessible::~HelpPageAccessible() {
  ForgetLinks();
}

QTextBrowser* HelpPageAccessible::browser() const {
  return static_cast<QTextBrowser*>(widget());
}

void HelpPageAccessible::ForgetLinks() {
  for (const QAccessible::Id id : std::as_const(link_ids_)) {
    if (id != 0) QAccessible::deleteAccessibleInterface(id);
  }
  link_ids_.clear();
  links_.clear();
  links_read_ = false;
}

const QList<PageLink>& HelpPageAccessible::Links() const {
  if (!links_read_) {
    links_ = LinksOfPage(*browser());
    link_ids_ = QList<QAccessible::Id>(links_.size(), 0);
    links_read_ = true;
  }
  return links_;
}

void HelpPageAccessible::TellCurrentLink(QTextBrowser* browser) {
  if (!QAccessible::isActive()) return;
  QAccessibleInterface* page = QAccessible::queryAccessibleInterface(browser);
  if (QAccessibleInterface* link = page->focusChild()) {
    QAccessibleEvent event(link, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
  }
}

void* HelpPageAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QAccessible::State HelpPageAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.readOnly = true;
  state.multiLine = true;
  state.selectableText = true;
  return state;
}

int HelpPageAccessible::childCount() const {
  return static_cast<int>(Links().size());
}

QAccessibleInterface* HelpPageAccessible::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  QAccessible::Id& id = link_ids_[index];
  if (id == 0) {
    id = QAccessible::registerAccessibleInterface(new LinkAccessible(browser(), Links().at(index)));
  }
  return QAccessible::accessibleInterface(id);
}

int HelpPageAccessible::indexOfChild(const QAccessibleInterface* child) const {
  if (child == nullptr) return -1;
  const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
  return static_cast<int>(link_ids_.indexOf(id));
}

QAccessibleInterface* HelpPageAccessible::focusChild() const {
  const QTextCursor cursor = browser()->textCursor();
  if (!cursor.hasSelection()) return nullptr;
  const QList<PageLink>& links = Links();
  for (int i = 0; i < links.size(); ++i) {
    if (links.at(i).start == cursor.selectionStart() && links.at(i).end == cursor.selectionEnd())
      return child(i);
  }
  return nullptr;
}

void HelpPageAccessible::selection(int index, int* start, int* end) const {
  const QTextCursor cursor = browser()->textCursor();
  *start = *end = 0;
  if (index != 0 || !cursor.hasSelection()) return;
  *start = cursor.selectionStart();
  *end = cursor.selectionEnd();
}

int HelpPageAccessible::selectionCount() const {
  return browser()->textCursor().hasSelection() ? 1 : 0;
}

void HelpPageAccessible::addSelection(int start, int end) {
  setSelection(0, start, end);
}

void HelpPageAccessible::removeSelection(int index) {
  if (index != 0) return;
  QTextCursor cursor = browser()->textCursor();
  cursor.clearSelection();
  browser()->setTextCursor(cursor);
}

void HelpPageAccessible::setSelection(int index, int start, int end) {
  if (index != 0) return;
  QTextCursor cursor = browser()->textCursor();
  cursor.setPosition(std::clamp(start, 0, characterCount()));
  cursor.setPosition(std::clamp(end, 0, characterCount()), QTextCursor::KeepAnchor);
  browser()->setTextCursor(cursor);
}

int HelpPageAccessible::cursorPosition() const {
  return browser()->textCursor().position();
}

void HelpPageAccessible::setCursorPosition(int position) {
  QTextCursor cursor = browser()->textCursor();
  cursor.setPosition(std::clamp(position, 0, characterCount()));
  browser()->setTextCursor(cursor);
}

QString HelpPageAccessible::text(QAccessible::Text type) const {
  return QAccessibleWidget::text(type);
}

QString HelpPageAccessible::text(int start, int end) const {
  QTextCursor cursor(browser()->document());
  cursor.setPosition(std::clamp(start, 0, characterCount()));
  cursor.setPosition(std::clamp(end, 0, characterCount()), QTextCursor::KeepAnchor);
  return cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

int HelpPageAccessible::characterCount() const {
  return browser()->document()->characterCount() - 1;
}

QRect HelpPageAccessible::characterRect(int offset) const {
  QTextCursor cursor(browser()->document());
  cursor.setPosition(std::clamp(offset, 0, characterCount()));
  const QRect at = browser()->cursorRect(cursor);
  return QRect(browser()->viewport()->mapToGlobal(at.topLeft()), at.size());
}

int HelpPageAccessible::offsetAtPoint(const QPoint& point) const {
  return browser()->cursorForPosition(browser()->viewport()->mapFromGlobal(point)).position();
}

void HelpPageAccessible::scrollToSubstring(int start, int end) {
  setSelection(0, start, end);
  browser()->ensureCursorVisible();
}

QString HelpPageAccessible::attributes(int offset, int* start, int* end) const {
  *start = *end = offset;
  return {};
}

}  // namespace vorelim
