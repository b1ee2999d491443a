#include "app/help_window.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "ui/fonts.h"
#include "ui/messages.h"

namespace vorelim {
namespace {

constexpr QSize kFirstSize(640, 480);

QPushButton* MakeButton(const QString& caption, const char* name, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QStringLiteral("Ajuda - ") + vorelim::ProgramTitle());
  if (owner == nullptr) setAttribute(Qt::WA_DeleteOnClose);
  setFont(DesignFont(QStringLiteral("MS Sans Serif"), 11));

  ContentsButton = MakeButton(QStringLiteral("Conteúdo"), "ContentsButton", this);
  BackButton = MakeButton(QStringLiteral("Voltar"), "BackButton", this);
  CloseButton = MakeButton(QStringLiteral("Fechar"), "CloseButton", this);
  BackButton->setEnabled(false);

  Browser = new QTextBrowser(this);
  Browser->setObjectName(QStringLiteral("Browser"));
  // Pages of the manual load in the browser; any other link goes to the desktop's browser.
  Browser->setOpenExternalLinks(true);
  Browser->setFont(DesignFont(QStringLiteral("Arial"), 15));

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ContentsButton);
  buttons->addWidget(BackButton);
  buttons->addStretch();
  buttons->addWidget(CloseButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(Browser);

  connect(ContentsButton, &QPushButton::clicked, this, [this] { Browser->setSource(contents_); });
  connect(BackButton, &QPushButton::clicked, Browser, &QTextBrowser::backward);
  connect(Browser, &QTextBrowser::backwardAvailable, BackButton, &QPushButton::setEnabled);
  connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &QWidget::close);

  resize(kFirstSize);
}

void HelpWindow::ShowContents(const QUrl& contents) {
  contents_ = contents;
  Browser->setSource(contents_);
  if (!placed_) {
    placed_ = true;
    const QWidget* owner = parentWidget();
    const QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) move(screen->availableGeometry().center() - rect().center());
  }
  show();
  raise();
  activateWindow();
}

HelpWindow* HelpWindowOf(QWidget* owner) {
  if (owner != nullptr) {
    if (auto* window = owner->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly)) {
      return window;
    }
  }
  return new HelpWindow(owner);
}

}  // namespace vorelim
