#pragma once
// The help window's page for screen readers: its text, read with a caret as any text is, and its
// links as links, each a child of the page with its words as name and its target, which the
// keyboard's Tab reaches and Enter (or the link's press action) follows. Qt's own interface of a
// text browser tells the text alone.

#include <QAccessibleWidget>
#include <QList>
#include <QString>

QT_BEGIN_NAMESPACE
class QTextBrowser;
QT_END_NAMESPACE

namespace vorelim {

/// One link of the page: where its words lie in the page's text, the words and the target.
struct PageLink {
  int start = 0;
  int end = 0;
  QString words;
  QString target;
};

/// The links of the page `browser` shows, in reading order.
QList<PageLink> LinksOfPage(const QTextBrowser& browser);

class HelpPageAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit HelpPageAccessible(QTextBrowser* browser);
  ~HelpPageAccessible() override;

  /// Tells screen readers the link the keyboard is on as the focus.
  static void TellCurrentLink(QTextBrowser* browser);
  /// Forgets the links of a page no longer shown.
  void ForgetLinks();

  // QAccessibleInterface
  void* interface_cast(QAccessible::InterfaceType type) override;
  QAccessible::State state() const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* focusChild() const override;

  // QAccessibleTextInterface
  void selection(int index, int* start, int* end) const override;
  int selectionCount() const override;
  void addSelection(int start, int end) override;
  void removeSelection(int index) override;
  void setSelection(int index, int start, int end) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QString text(QAccessible::Text type) const override;
  QString text(int start, int end) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int start, int end) override;
  QString attributes(int offset, int* start, int* end) const override;

 private:
  QTextBrowser* browser() const;
  const QList<PageLink>& Links() const;

  mutable QList<PageLink> links_;
  mutable bool links_read_ = false;
  // The links' interfaces, made when first asked for and registered with Qt's cache; 0 until then.
  mutable QList<QAccessible::Id> link_ids_;
};

}  // namespace vorelim
