#include "app/help_window.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>
#include <functional>

#include "app/app_accessibility.h"
#include "app/desktop_links.h"
#include "app/help_links.h"
#include "app/help_page_accessible.h"
#include "ui/contrast.h"
#include "ui/focus_style.h"
#include "ui/fonts.h"
#include "ui/messages.h"
#include "ui/placement.h"
#include "ui/window_icon.h"

namespace vorelim {
namespace {

constexpr QSize kFirstSize(640, 480);

QPushButton* MakeButton(const QString& caption, const char* name, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

// The browser reads nothing but the manual's own files, whatever asks for them: a page the window
// shows, the page "Voltar" returns to, a picture a page holds.
class ManualBrowser : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;
  void SetManualFolder(const QString& folder) { manual_folder_ = folder; }
  /// Asked before going back ("Voltar", Alt+Left); going back only when it returns true.
  std::function<bool()> may_go_back;

  void backward() override {
    if (!may_go_back || may_go_back()) QTextBrowser::backward();
  }

  void focusInEvent(QFocusEvent* event) override {
    QTextBrowser::focusInEvent(event);
    // Tab into the page lands on its first link (Shift+Tab on its last), so the focus shows at
    // once; Qt would wait for a second Tab.
    const bool forward = event->reason() == Qt::TabFocusReason;
    if ((forward || event->reason() == Qt::BacktabFocusReason) && !textCursor().hasSelection() &&
        !LinksOfPage(*this).isEmpty()) {
      QTextBrowser::focusNextPrevChild(forward);
    }
  }

  QVariant loadResource(int type, const QUrl& name) override {
    // What this answers for a file it does not read must never be a null QVariant, for which the
    // document reads the named file itself, nor for a picture anything but a picture, for which
    // the picture is loaded from its name directly. A picture from outside shows as a missing one.
    const QVariant nothing =
        type == QTextDocument::ImageResource ? QVariant(MissingPicture()) : QVariant(QByteArray());
    if (manual_folder_.isEmpty()) return nothing;
    // Names of pictures come resolved against the page being shown, which source() does not
    // name yet while that page loads.
    const QUrl base = document()->baseUrl().isEmpty() ? source() : document()->baseUrl();
    const HelpLink target = ResolveHelpLink(name, base, manual_folder_);
    if (target.kind != HelpLink::Kind::Page) return nothing;
    const QVariant loaded = QTextBrowser::loadResource(type, target.url);
    if (loaded.isNull()) return nothing;
    if (type != QTextDocument::ImageResource) return loaded;
    // Decoded here, so that a file that is no picture is never tried again by its name.
    QImage picture;
    if (!picture.loadFromData(loaded.toByteArray())) return nothing;
    return picture;
  }

 private:
  // What Qt shows for a picture it cannot load.
  static QImage MissingPicture() {
    static const QImage missing(
        QStringLiteral(":/qt-project.org/styles/commonstyle/images/file-16.png"));
    return missing;
  }

 public:
 private:
  QString manual_folder_;
};

}  // namespace

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral("Ajuda - ") + vorelim::ProgramTitle());
  CarryProgramIcon(*this);
  if (owner == nullptr) setAttribute(Qt::WA_DeleteOnClose);

  ContentsButton = MakeButton(QStringLiteral("Conteúdo"), "ContentsButton", this);
  BackButton = MakeButton(QStringLiteral("Voltar"), "BackButton", this);
  CloseButton = MakeButton(QStringLiteral("Fechar"), "CloseButton", this);
  BackButton->setEnabled(false);

  auto* browser = new ManualBrowser(this);
  // The page seen before may have gone or grown since it was shown.
  browser->may_go_back = [this] {
    const HelpLink target =
        ResolveHelpLink(Browser->historyUrl(-1), Browser->source(), manual_folder_);
    ShowProblem(target.problem);
    return target.kind == HelpLink::Kind::Page;
  };
  Browser = browser;
  Browser->setObjectName(QStringLiteral("Browser"));
  // Every link goes through FollowLink, which decides where it may lead.
  Browser->setOpenLinks(false);
  Browser->setFont(DesignFont(FaceName(Face::Arial), 15));
  Browser->installEventFilter(this);

  StatusLabel = new QLabel(this);
  StatusLabel->setObjectName(QStringLiteral("StatusLabel"));
  StatusLabel->setAccessibleName(QStringLiteral("Aviso"));
  StatusLabel->setWordWrap(true);
  StatusLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
  StatusLabel->hide();

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ContentsButton);
  buttons->addWidget(BackButton);
  buttons->addStretch();
  buttons->addWidget(CloseButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(Browser);
  layout->addWidget(StatusLabel);

  connect(Browser, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
  connect(ContentsButton, &QPushButton::clicked, this, &HelpWindow::ContentsButtonClick);
  connect(BackButton, &QPushButton::clicked, Browser, &QTextBrowser::backward);
  connect(Browser, &QTextBrowser::backwardAvailable, BackButton, &QPushButton::setEnabled);
  connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);

  vorelim::NameHelpWindow(*this);
  resize(kFirstSize);
}

bool HelpWindow::ShowContents(const QString& help_file) {
  const QFileInfo file(help_file);
  const QUrl contents = QUrl::fromLocalFile(file.absoluteFilePath());
  const QString manual_folder = file.absolutePath();
  // The one check of the page, the one every link of the manual gets.
  const HelpLink target = ResolveHelpLink(contents, contents, manual_folder);
  if (target.kind != HelpLink::Kind::Page) {
    ShowMessage(parentWidget(),
                {.title = QStringLiteral("Ajuda"),
                 .text = target.kind == HelpLink::Kind::Missing
                             ? HelpFileMissingText(QDir::toNativeSeparators(file.filePath()))
                             : target.problem});
    return false;
  }
  contents_ = contents;
  manual_folder_ = manual_folder;
  static_cast<ManualBrowser*>(Browser)->SetManualFolder(manual_folder_);
  ShowPage(target.url);
  if (!placed_) {
    placed_ = true;
    vorelim::CentreOnScreen(*this);
  }
  show();
  raise();
  activateWindow();
  return true;
}

void HelpWindow::FollowLink(const QUrl& link) {
  const HelpLink target = ResolveHelpLink(link, Browser->source(), manual_folder_);
  switch (target.kind) {
    case HelpLink::Kind::Page:
      ShowPage(target.url);
      return;
    case HelpLink::Kind::Desktop:
      ShowProblem(OpenOnDesktop(target.url) ? QString()
                                            : DesktopOpenFailedText(target.url.toDisplayString()));
      return;
    case HelpLink::Kind::Refused:
    case HelpLink::Kind::Missing:
    case HelpLink::Kind::TooLarge:
    case HelpLink::Kind::Unreadable:
      ShowProblem(target.problem);
      return;
  }
}

void HelpWindow::ColourLinks() {
  // The link the keyboard is on shows as the selection: its ground stands out from the page by
  // 3:1 and its words from that ground, whatever the theme (qt6ct's "darker" highlight is 1.6:1
  // on its base). Taken from the window's palette, which follows the theme.
  const QPalette& theme = palette();
  const QColor base = theme.color(QPalette::Base);
  QColor highlight = theme.color(QPalette::Highlight);
  if (ContrastRatio(highlight, base) < kIndicatorContrast) highlight = IndicatorColour(theme, base);
  const QColor words = LegibleOn(theme.color(QPalette::HighlightedText), highlight);
  QPalette browser_palette = Browser->palette();
  if (browser_palette.color(QPalette::Highlight) != highlight ||
      browser_palette.color(QPalette::HighlightedText) != words) {
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
      browser_palette.setColor(group, QPalette::Highlight, highlight);
      browser_palette.setColor(group, QPalette::HighlightedText, words);
    }
    Browser->setPalette(browser_palette);
  }

  // Qt colours links with the palette's link colour as it reads a page, whatever the base under
  // them; some dark themes' link colour hardly stands out from their base (qt6ct's
  // "darker": 2.8:1).
  const QPalette& colours = Browser->palette();
  Browser->document()->setDefaultStyleSheet(
      QStringLiteral("a { color: %1; }")
          .arg(LegibleOn(colours.color(QPalette::Link), colours.color(QPalette::Base)).name()));
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
  // The theme changed while a page shows: once the browser has the new palette, the page is read
  // again with the new link colour.
  if (watched == Browser && event->type() == QEvent::PaletteChange &&
      !Browser->source().isEmpty()) {
    ColourLinks();
    Browser->reload();
  }
  return QWidget::eventFilter(watched, event);
}

void HelpWindow::ShowPage(const QUrl& page) {
  ColourLinks();
  Browser->setSource(page);
  ShowProblem(QString());
}

void HelpWindow::ShowProblem(const QString& problem) {
  StatusLabel->setText(problem);
  StatusLabel->setVisible(!problem.isEmpty());
}

void HelpWindow::ContentsButtonClick() {
  const HelpLink target = ResolveHelpLink(contents_, contents_, manual_folder_);
  if (target.kind == HelpLink::Kind::Page) {
    ShowPage(target.url);
  } else {
    ShowProblem(target.problem);
  }
}

}  // namespace vorelim
