#pragma once
// The program's help window, "Ajuda - MAPA DO VORELIM": the manual's HTML pages in a text browser
// that follows the links between them, with the buttons "Conteúdo" (the contents page), "Voltar"
// (the page seen before) and "Fechar". It is a modeless top-level window owned by the main frame,
// made once and reused: closing it (Fechar, Esc, the title bar) only hides it. A link that leaves
// the manual opens in the desktop's browser.

#include <QUrl>
#include <QWidget>

QT_BEGIN_NAMESPACE
class QPushButton;
class QTextBrowser;
QT_END_NAMESPACE

namespace vorelim {

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  /// A hidden window owned by `owner`, destroyed with it. Without an owner it stands alone and
  /// is destroyed when it closes.
  explicit HelpWindow(QWidget* owner);

  /// Shows the page `contents` (a local file), makes it the page of "Conteúdo", and brings the
  /// window to the front. The first showing centres it on the screen.
  void ShowContents(const QUrl& contents);

  QTextBrowser* Browser = nullptr;
  QPushButton* ContentsButton = nullptr;  // "Conteúdo"
  QPushButton* BackButton = nullptr;      // "Voltar"
  QPushButton* CloseButton = nullptr;     // "Fechar"

 private:
  QUrl contents_;
  bool placed_ = false;
};

/// The help window that `owner` owns, made at the first call. With no owner, a new window every
/// time.
HelpWindow* HelpWindowOf(QWidget* owner);

}  // namespace vorelim
