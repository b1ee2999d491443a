// The help layer and the help window: which page F1 shows, in which window, how its links and
// buttons move between the manual's pages, and what the user is told when the manual is missing.
#include "app/help_viewer.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <filesystem>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "app/application.h"
#include "app/help_window.h"
#include "app/tformdi.h"
#include "chartview/tvemapa.h"
#include "support/qt_support.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;
using vorelim::HelpWindow;

namespace {

using vorelim::HelpViewer;

QString Q(const fs::path& path) {
  return QString::fromStdString(path.string());
}

QUrl ManualPage(const char* file) {
  return QUrl::fromLocalFile(
      QDir(QStringLiteral(VORELIM_MANUAL_SOURCE_DIR)).absoluteFilePath(QString::fromLatin1(file)));
}

void WriteFile(const fs::path& path, const QByteArray& bytes) {
  QFile file(Q(path));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QList<HelpWindow*> HelpWindows(const QWidget& owner) {
  return owner.findChildren<HelpWindow*>();
}

// Points the program's help layer at `help_file` while it lives.
struct ProgramHelp {
  explicit ProgramHelp(const QString& help_file) {
    HelpViewer::Application().SetHelpFile(help_file);
  }
  ~ProgramHelp() { HelpViewer::Application().SetHelpFile(QString()); }
};

// Clicks the first link to `href` on the page the browser shows, as a user's mouse would.
void ClickLink(QTextBrowser& browser, const QString& href) {
  QTextDocument* document = browser.document();
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.charFormat().anchorHref() != href) continue;
      QTextCursor cursor(document);
      cursor.setPosition(fragment.position() + fragment.length() / 2);
      browser.ensureCursorVisible();
      QTest::mouseClick(browser.viewport(), Qt::LeftButton, {},
                        browser.cursorRect(cursor).center());
      return;
    }
  }
  ADD_FAILURE() << "no link to " << href.toStdString() << " on "
                << browser.source().toString().toStdString();
}

// Gives `window` the activation and sends it a key, as a user's keyboard would.
void PressIn(QWidget& window, Qt::Key key) {
  window.activateWindow();
  if (QApplication::activeWindow() != &window) QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QWidget* target = window.focusWidget() != nullptr ? window.focusWidget() : &window;
  QTest::keyClick(target, key);
}

TEST(help_viewer_test, a_file_that_cannot_be_reached_is_reported_with_the_reason) {
  vorelim::test::TempFolder folder;
  WriteFile(folder.path() / "ajuda", {});
  vorelim::test::WarningCapture warnings;
  QWidget owner;
  const QString help_file = Q(folder.path() / "ajuda" / "index.html");
  EXPECT_FALSE(HelpViewer(help_file).ShowContents(&owner));
  EXPECT_TRUE(HelpWindows(owner).isEmpty());
  ASSERT_EQ(warnings.texts().size(), 1);
  EXPECT_EQ(warnings.texts()[0],
            QStringLiteral("Não foi possível abrir o arquivo de ajuda:\n%1\nMotivo: uma parte do "
                           "caminho não é uma pasta.")
                .arg(QDir::toNativeSeparators(help_file)));
}

TEST(help_viewer_test, a_missing_file_is_named_to_the_user_and_nothing_shows) {
  vorelim::test::TempFolder folder;
  fs::create_directory(folder.path() / "pasta.html");
  const struct {
    const char* row;
    fs::path help_file;
  } rows[] = {
      {"no file", folder.path() / "index.html"},
      {"a folder of that name", folder.path() / "pasta.html"},
  };
  for (const auto& row : rows) {
    vorelim::test::WarningCapture warnings;
    QWidget owner;
    const QString help_file = Q(row.help_file);
    EXPECT_FALSE(HelpViewer(help_file).ShowContents(&owner)) << row.row;
    EXPECT_TRUE(HelpWindows(owner).isEmpty()) << row.row;
    ASSERT_EQ(warnings.texts().size(), 1) << row.row;
    EXPECT_TRUE(warnings.texts()[0].contains(QDir::toNativeSeparators(help_file)))
        << warnings.texts()[0].toStdString();
    EXPECT_TRUE(warnings.texts()[0].contains(QStringLiteral("não foi encontrado")));
    EXPECT_EQ(warnings.warnings()[0].owner, &owner) << row.row;
  }
}

TEST(help_viewer_test, without_a_help_file_nothing_happens) {
  vorelim::test::WarningCapture warnings;
  QWidget owner;
  EXPECT_FALSE(HelpViewer(QString()).ShowContents(&owner));
  EXPECT_TRUE(HelpWindows(owner).isEmpty());
  EXPECT_TRUE(warnings.texts().isEmpty());
}

TEST(help_viewer_test, the_contents_page_lies_in_the_data_folder_beside_the_program) {
  // The running program's is an absolute path to the manual's contents page.
  const QString path = HelpViewer::DefaultHelpFile();
  EXPECT_TRUE(QDir::isAbsolutePath(path)) << path.toStdString();
  EXPECT_TRUE(path.endsWith(QStringLiteral("/manual/index.html"))) << path.toStdString();
  // The packaged program in /usr/bin finds the pages the package puts in /usr/share.
  EXPECT_EQ(HelpViewer::ContentsPageFor(QStringLiteral("/usr/bin")),
            QStringLiteral("/usr/share/vorelim/manual/index.html"));
  // The program built in this tree finds the copy the build laid out beside it.
  const QString built = HelpViewer::ContentsPageFor(QStringLiteral(VORELIM_PROGRAM_DIR));
  EXPECT_TRUE(QFileInfo(built).isFile()) << built.toStdString();
}

// F1 in the frame: one help window for the whole run, owned by the frame, at the contents page.
TEST(help_window_test, f1_shows_the_manual_in_one_reused_window_with_working_links) {
  const QUrl contents = ManualPage("index.html");
  const QUrl topic = ManualPage("criar-mapa.html");
  auto frame = std::make_unique<TFORMDI>();
  frame->show();

  {
    // A broken install: the message names the missing page, over the frame.
    vorelim::test::TempFolder folder(false);
    const QString missing = Q(folder.path() / "index.html");
    ProgramHelp help(missing);
    vorelim::test::WarningCapture warnings;
    PressIn(*frame, Qt::Key_F1);
    ASSERT_EQ(warnings.texts().size(), 1);
    EXPECT_TRUE(warnings.texts()[0].contains(QDir::toNativeSeparators(missing)));
    EXPECT_EQ(warnings.warnings()[0].owner, frame.get());
    EXPECT_TRUE(HelpWindows(*frame).isEmpty());
  }

  ProgramHelp help(contents.toLocalFile());
  PressIn(*frame, Qt::Key_F1);
  ASSERT_EQ(HelpWindows(*frame).size(), 1);
  QPointer<HelpWindow> window = HelpWindows(*frame).first();
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->isWindow());
  EXPECT_EQ(window->parentWidget(), frame.get());
  EXPECT_EQ(window->windowModality(), Qt::NonModal);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Ajuda - MAPA DO VORELIM"));
  EXPECT_NE(window->minimumSize(), window->maximumSize()) << "the window can be resized";
  const QPoint screen_centre = window->screen()->availableGeometry().center();
  EXPECT_LE((window->geometry().center() - screen_centre).manhattanLength(), 10);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QTextBrowser& browser = *window->Browser;
  EXPECT_EQ(browser.source(), contents);
  EXPECT_TRUE(browser.toPlainText().contains(QStringLiteral("Conteúdo")));
  EXPECT_FALSE(window->BackButton->isEnabled());

  // A link opens its page; "Voltar" returns; "Conteúdo" goes to the contents from anywhere.
  ClickLink(browser, QStringLiteral("criar-mapa.html"));
  EXPECT_EQ(browser.source(), topic);
  EXPECT_TRUE(
      browser.toPlainText().contains(QStringLiteral("JÁ EXISTE UM ARQUIVO COM ESTE NOME !")));
  ASSERT_TRUE(window->BackButton->isEnabled());
  window->BackButton->click();
  EXPECT_EQ(browser.source(), contents);
  ClickLink(browser, QStringLiteral("atalhos.html"));
  ClickLink(browser, QStringLiteral("index.html"));
  ClickLink(browser, QStringLiteral("textos.html"));
  window->ContentsButton->click();
  EXPECT_EQ(browser.source(), contents);

  // Esc hides the window; F1 shows the same one again, at the contents and in front.
  ClickLink(browser, QStringLiteral("criar-mapa.html"));
  PressIn(*window, Qt::Key_Escape);
  EXPECT_FALSE(window->isVisible());
  PressIn(*frame, Qt::Key_F1);
  ASSERT_EQ(HelpWindows(*frame).size(), 1);
  EXPECT_EQ(HelpWindows(*frame).first(), window.data());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(browser.source(), contents);
  EXPECT_TRUE(QTest::qWaitForWindowActive(window));
  // Also from further down the contents page itself: F1 shows its top.
  browser.verticalScrollBar()->setValue(browser.verticalScrollBar()->maximum());
  ASSERT_GT(browser.verticalScrollBar()->value(), 0);
  PressIn(*frame, Qt::Key_F1);
  EXPECT_EQ(browser.verticalScrollBar()->value(), 0);

  // "Fechar" only hides it too; the frame takes it along when it goes.
  window->CloseButton->click();
  EXPECT_FALSE(window->isVisible());
  ASSERT_FALSE(window.isNull());
  frame.reset();
  EXPECT_TRUE(window.isNull());
}

// F1 while a chart window is the frame's active child still comes from the frame's "Aju&da".
TEST(help_window_test, f1_with_a_chart_window_active_shows_the_same_window) {
  vorelim::test::TempFolder folder;
  const QUrl contents = ManualPage("index.html");
  ProgramHelp help(contents.toLocalFile());
  TFORMDI frame;
  frame.show();
  PressIn(frame, Qt::Key_F1);
  ASSERT_EQ(HelpWindows(frame).size(), 1);
  HelpWindow* window = HelpWindows(frame).first();
  ClickLink(*window->Browser, QStringLiteral("transitos.html"));
  window->close();

  TVemapa* chart = frame.OpenChartWindow(QStringLiteral("UM"));
  vorelim::test::CloseMessageBoxes();  // about the chart file that is not there
  frame.mdiArea()->setActiveSubWindow(chart->SubWindow());
  chart->FocusFirstControl();
  PressIn(frame, Qt::Key_F1);
  EXPECT_EQ(HelpWindows(frame), QList<HelpWindow*>{window});
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->Browser->source(), contents);
  EXPECT_EQ(frame.mdiArea()->currentSubWindow(), chart->SubWindow());
}

// Records the URLs the desktop would have opened.
class DesktopRecorder : public QObject {
  Q_OBJECT

 public:
  std::vector<QUrl> opened;

 public slots:
  void open(const QUrl& url) { opened.push_back(url); }
};

TEST(help_window_test, a_link_that_leaves_the_manual_goes_to_the_desktop) {
  vorelim::test::TempFolder folder;
  WriteFile(folder.path() / "index.html",
            "<html lang=\"pt-BR\"><body><p><a href=\"https://example.org/livro\">fora</a> "
            "<a href=\"outra.html\">outra</a></p></body></html>");
  WriteFile(folder.path() / "outra.html", "<html lang=\"pt-BR\"><body><p>outra</p></body></html>");
  const QUrl contents = QUrl::fromLocalFile(Q(folder.path() / "index.html"));
  DesktopRecorder desktop;
  QDesktopServices::setUrlHandler(QStringLiteral("https"), &desktop, "open");
  struct Unset {
    ~Unset() { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
  } unset;
  QWidget owner;
  HelpWindow* window = vorelim::HelpWindowOf(&owner);
  EXPECT_EQ(vorelim::HelpWindowOf(&owner), window);
  window->ShowContents(contents);

  ClickLink(*window->Browser, QStringLiteral("https://example.org/livro"));
  ASSERT_EQ(desktop.opened.size(), 1u);
  EXPECT_EQ(desktop.opened[0], QUrl(QStringLiteral("https://example.org/livro")));
  EXPECT_EQ(window->Browser->source(), contents) << "the manual stays where it was";
  ClickLink(*window->Browser, QStringLiteral("outra.html"));
  EXPECT_EQ(window->Browser->source(), QUrl::fromLocalFile(Q(folder.path() / "outra.html")));
  EXPECT_EQ(desktop.opened.size(), 1u);
}

}  // namespace

#include "help_viewer_test.moc"
