#pragma once
// The program's help window, "Ajuda - MAPA DO VORELIM": the manual's HTML pages in a text browser
// that follows the links between them, with the buttons "Conteúdo" (the contents page), "Voltar"
// (the page seen before) and "Fechar". It is a modeless top-level window owned by the main frame,
// made once and reused: closing it (Fechar, Esc, the title bar) only hides it. It shows only the
// pages of the manual's folder (app/help_links.h); web pages and e-mail addresses go to the
// desktop's browser or mail program, and a link it does not follow is told in its status line
// while the page stays. The contents page it is asked to show is checked the same way, once: one
// that cannot be shown is told in a message over the owner, and the window stays as it was.

#include <QUrl>
#include <QWidget>

QT_BEGIN_NAMESPACE
class QLabel;
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

  /// Shows the contents page `help_file` (a local file) at its top, makes it the page of
  /// "Conteúdo" and its folder the manual's, and brings the window to the front; the first showing
  /// centres it on the screen. A page that cannot be shown (missing, too large, no file) is told in
  /// a message over the owner and leaves the window as it was. Returns true when the page shows.
  bool ShowContents(const QString& help_file);

  /// Follows `link` of the page shown, as a click on it does: a page of the manual is shown, a web
  /// page or an e-mail address goes to the desktop; anything else leaves the page as it is and says
  /// why in the status line.
  void FollowLink(const QUrl& link);

  QTextBrowser* Browser = nullptr;
  QPushButton* ContentsButton = nullptr;  // "Conteúdo"
  QPushButton* BackButton = nullptr;      // "Voltar"
  QPushButton* CloseButton = nullptr;     // "Fechar"
  /// Why the last link was not followed; hidden while there is nothing to tell.
  QLabel* StatusLabel = nullptr;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ColourLinks();
  void ShowPage(const QUrl& page);
  void ShowProblem(const QString& problem);
  void ContentsButtonClick();

  QUrl contents_;
  QString manual_folder_;
  bool placed_ = false;
};

}  // namespace vorelim
