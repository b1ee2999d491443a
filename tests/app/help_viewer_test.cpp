// The help file and the help window: which page F1 shows, in which window, how its links and
// buttons move between the manual's pages, and what the user is told when the manual is missing.
#include "app/help_file.h"

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
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
#include <chrono>
#include <filesystem>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "app/application.h"
#include "app/desktop_links.h"
#include "app/help_links.h"
#include "app/help_window.h"
#include "app/tformdi.h"
#include "chartview/tvemapa.h"
#include "support/qt_support.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;
using vorelim::HelpWindow;

namespace {

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

// A contents page the window cannot show is told over its owner, named, with the reason, and the
// window stays hidden: the page is checked as every link of the manual is.
TEST(help_viewer_test, a_contents_page_that_cannot_be_shown_is_told_and_nothing_shows) {
  vorelim::test::TempFolder folder;
  WriteFile(folder.path() / "ajuda", {});
  fs::create_directory(folder.path() / "pasta.html");
  WriteFile(folder.path() / "grande.html", QByteArray(vorelim::kMaxHelpPageBytes + 1, 'x'));
  const struct {
    const char* row;
    fs::path help_file;
    QString told;
  } rows[] = {
      {"no file", folder.path() / "index.html", QStringLiteral("não foi encontrado")},
      {"a file where a folder should be", folder.path() / "ajuda" / "index.html",
       QStringLiteral("não foi encontrado")},
      {"a folder of that name", folder.path() / "pasta.html",
       QStringLiteral("o nome é de uma pasta")},
      {"larger than a page may be", folder.path() / "grande.html",
       QStringLiteral("tem mais de 1 MB")},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.row);
    vorelim::test::WarningCapture warnings;
    QWidget owner;
    auto* window = new HelpWindow(&owner);
    const QString help_file = Q(row.help_file);
    EXPECT_FALSE(window->ShowContents(help_file));
    EXPECT_FALSE(window->isVisible());
    ASSERT_EQ(warnings.texts().size(), 1);
    EXPECT_TRUE(warnings.texts()[0].contains(QDir::toNativeSeparators(help_file)))
        << warnings.texts()[0].toStdString();
    EXPECT_TRUE(warnings.texts()[0].contains(row.told)) << warnings.texts()[0].toStdString();
    EXPECT_EQ(warnings.warnings()[0].owner, &owner);
  }
}

TEST(help_viewer_test, without_a_help_file_nothing_happens) {
  vorelim::test::WarningCapture warnings;
  TFORMDI frame;
  frame.HELP1Click();
  EXPECT_EQ(frame.helpWindow(), nullptr);
  EXPECT_TRUE(warnings.texts().isEmpty());
}

TEST(help_viewer_test, the_contents_page_lies_in_the_data_folder_beside_the_program) {
  // The running program's is an absolute path to the manual's contents page.
  const QString path = vorelim::DefaultHelpFile();
  EXPECT_TRUE(QDir::isAbsolutePath(path)) << path.toStdString();
  EXPECT_TRUE(path.endsWith(QStringLiteral("/manual/index.html"))) << path.toStdString();
  // The packaged program in /usr/bin finds the pages the package puts in /usr/share.
  EXPECT_EQ(vorelim::ContentsPageFor(QStringLiteral("/usr/bin")),
            QStringLiteral("/usr/share/vorelim/manual/index.html"));
  // The program built in this tree finds the copy the build laid out beside it.
  const QString built = vorelim::ContentsPageFor(QStringLiteral(VORELIM_PROGRAM_DIR));
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
    frame->SetHelpFile(missing);
    vorelim::test::WarningCapture warnings;
    PressIn(*frame, Qt::Key_F1);
    ASSERT_EQ(warnings.texts().size(), 1);
    EXPECT_TRUE(warnings.texts()[0].contains(QDir::toNativeSeparators(missing)));
    EXPECT_EQ(warnings.warnings()[0].owner, frame.get());
    for (const HelpWindow* window : HelpWindows(*frame)) EXPECT_FALSE(window->isVisible());
  }

  frame->SetHelpFile(contents.toLocalFile());
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
  TFORMDI frame(contents.toLocalFile());
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

// Where each kind of link leads: only files of the manual's folder, after ".." and symbolic links,
// are pages; web pages and e-mail addresses go to the desktop; everything else is refused. A page
// that is missing, too large or no file is told by name.
TEST(help_window_test, link_table) {
  vorelim::test::TempFolder folder;
  const fs::path manual = folder.path() / "manual";
  fs::create_directories(manual / "images");
  fs::create_directory(manual / "pasta.html");
  fs::create_directory(folder.path() / "manual-outro");
  for (const fs::path& page :
       {manual / "index.html", manual / "outra.html", manual / "images" / "x.png",
        folder.path() / "segredo.html", folder.path() / "manual-outro" / "x.html"}) {
    WriteFile(page, "<p>x</p>");
  }
  fs::create_symlink("../segredo.html", manual / "fora.html");
  fs::create_symlink("outra.html", manual / "atalho.html");
  WriteFile(manual / "limite.html", QByteArray(vorelim::kMaxHelpPageBytes, 'x'));
  WriteFile(manual / "grande.html", QByteArray(vorelim::kMaxHelpPageBytes + 1, 'x'));
  ASSERT_EQ(::mkfifo((manual / "pipe.html").c_str(), 0644), 0);
  const QString manual_folder = Q(manual);
  const QUrl from = QUrl::fromLocalFile(Q(manual / "index.html"));
  const auto page = [&manual](const char* file, const char* fragment = nullptr) {
    QUrl url = QUrl::fromLocalFile(Q(manual / file));
    if (fragment != nullptr) url.setFragment(QString::fromLatin1(fragment));
    return url;
  };

  using Kind = vorelim::HelpLink::Kind;
  const struct {
    const char* link;
    Kind kind;
    QUrl url;               // for pages and the desktop
    const char* told = "";  // part of what the user is told
  } rows[] = {
      {"outra.html", Kind::Page, page("outra.html")},
      {"outra.html#fim", Kind::Page, page("outra.html", "fim")},
      {"#fim", Kind::Page, page("index.html", "fim")},
      {"images/../outra.html", Kind::Page, page("outra.html")},
      {"images/x.png", Kind::Page, page("images/x.png")},
      {"atalho.html", Kind::Page, page("atalho.html")},
      {"limite.html", Kind::Page, page("limite.html")},
      {"../segredo.html", Kind::Refused, {}, "../segredo.html"},
      {"../../../../../../etc/passwd", Kind::Refused, {}, "../../../../../../etc/passwd"},
      {"file:///etc/passwd", Kind::Refused, {}, "file:///etc/passwd"},
      {"/etc/shadow", Kind::Refused, {}, "/etc/shadow"},
      {"../manual-outro/x.html", Kind::Refused, {}, "manual-outro"},
      {"fora.html", Kind::Refused, {}, "fora.html"},
      {"file://outro/manual/outra.html", Kind::Refused, {}, "outro"},
      {"ftp://example.org/x.html", Kind::Refused, {}, "ftp://example.org/x.html"},
      {"qrc:/texts/c1.txt", Kind::Refused, {}, "qrc:/texts/c1.txt"},
      {"http://example.org/livro", Kind::Desktop, QUrl(QStringLiteral("http://example.org/livro"))},
      {"HTTPS://example.org/", Kind::Desktop, QUrl(QStringLiteral("https://example.org/"))},
      {"mailto:equipe@vorelim.org", Kind::Desktop,
       QUrl(QStringLiteral("mailto:equipe@vorelim.org"))},
      {"faltando.html", Kind::Missing, {}, "faltando.html\" não foi encontrada"},
      {"grande.html", Kind::TooLarge, {}, "grande.html\" não foi aberta: tem mais de 1 MB"},
      {"pipe.html", Kind::Unreadable, {}, "pipe.html\": não é um arquivo comum"},
      {"pasta.html", Kind::Unreadable, {}, "pasta.html\": o nome é de uma pasta"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.link);
    const vorelim::HelpLink target =
        vorelim::ResolveHelpLink(QUrl(QString::fromUtf8(row.link)), from, manual_folder);
    EXPECT_EQ(target.kind, row.kind);
    if (row.kind == Kind::Page || row.kind == Kind::Desktop) {
      EXPECT_EQ(target.url, row.url);
      EXPECT_TRUE(target.problem.isEmpty()) << target.problem.toStdString();
    } else {
      EXPECT_TRUE(target.problem.contains(QString::fromUtf8(row.told)))
          << target.problem.toStdString();
    }
  }
}

// A page of the manual that asks for pictures and a style sheet from outside it, in each form a
// page can name them: none of those files is even opened (watched with inotify).
TEST(help_window_test, pictures_and_style_sheets_from_outside_the_manual_are_never_read) {
  vorelim::test::TempFolder folder;
  const fs::path manual = folder.path() / "manual";
  const fs::path outside = folder.path() / "outside";
  fs::create_directories(manual / "images");
  fs::create_directory(outside);
  QImage red(4, 4, QImage::Format_RGB32);
  red.fill(Qt::red);
  ASSERT_TRUE(red.save(Q(manual / "images" / "dentro.png")));
  ASSERT_TRUE(red.save(Q(outside / "secret.png")));
  WriteFile(outside / "style.css", "p { color: red; }");
  fs::create_symlink(outside / "secret.png", manual / "atalho.png");
  fs::create_symlink(outside, manual / "pasta");

  const QString outside_png = Q(outside / "secret.png");
  const struct {
    const char* row;
    QString src;
  } rows[] = {
      {"file URL", QUrl::fromLocalFile(outside_png).toString()},
      {"parent folders", "../../../../../../../.." + outside_png},
      {"absolute path", outside_png},
      {"link to a file outside", "atalho.png"},
      {"link to a folder outside", "pasta/secret.png"},
  };
  QString page =
      "<html><head><link rel=\"stylesheet\" href=\"../outside/style.css\"></head><body>"
      "<p><img src=\"images/dentro.png\"></p>";
  for (const auto& row : rows) page += "<p><img src=\"" + row.src + "\"></p>";
  WriteFile(manual / "index.html", (page + "</body></html>").toUtf8());

  const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  ASSERT_GE(watch, 0);
  ASSERT_GE(::inotify_add_watch(watch, outside.c_str(), IN_OPEN | IN_ACCESS), 0);

  HelpWindow window(nullptr);
  ASSERT_TRUE(window.ShowContents(Q(manual / "index.html")));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QTextDocument* document = window.Browser->document();
  document->size();  // laid out: every picture asked for
  QCoreApplication::processEvents();

  // The manual's own picture loads: the page's pictures were asked for.
  EXPECT_EQ(document->resource(QTextDocument::ImageResource, QUrl("images/dentro.png"))
                .value<QImage>()
                .pixelColor(0, 0),
            QColor(Qt::red));

  char events[4096];
  const ssize_t read = ::read(watch, events, sizeof events);
  for (ssize_t at = 0; at < read;) {
    const auto* event = reinterpret_cast<const inotify_event*>(events + at);
    ADD_FAILURE() << "opened outside the manual: " << (event->len > 0 ? event->name : "?");
    at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
  }
  ::close(watch);
}

// The window follows the manual's links, hands the web and e-mail to the desktop (here a recorder),
// and for any other link keeps its page and says why below it.
TEST(help_window_test, links_it_does_not_follow_keep_the_page_and_are_told) {
  vorelim::test::TempFolder folder;
  const fs::path manual = folder.path() / "manual";
  fs::create_directory(manual);
  WriteFile(
      manual / "index.html",
      "<html lang=\"pt-BR\"><body><p><a href=\"https://example.org/livro\">fora</a> "
      "<a href=\"mailto:equipe@vorelim.org\">e-mail</a> "
      "<a href=\"file:///etc/passwd\">senhas</a> <a href=\"../../../../etc/passwd\">acima</a> "
      "<a href=\"faltando.html\">falta</a> <a href=\"grande.html\">grande</a> "
      "<a href=\"outra.html\">outra</a></p></body></html>");
  WriteFile(manual / "outra.html", "<html lang=\"pt-BR\"><body><p>outra</p></body></html>");
  // 30 MB of random bytes: refused at once, never read.
  QByteArray noise(30 * 1024 * 1024, '\0');
  for (qsizetype i = 0; i < noise.size(); i += 4096) noise[i] = static_cast<char>(i * 7919);
  WriteFile(manual / "grande.html", noise);
  const QUrl contents = QUrl::fromLocalFile(Q(manual / "index.html"));
  std::vector<QUrl> opened;
  bool desktop_works = true;
  vorelim::SetDesktopOpenerForTesting([&](const QUrl& url) {
    opened.push_back(url);
    return desktop_works;
  });
  struct Unset {
    ~Unset() { vorelim::SetDesktopOpenerForTesting({}); }
  } unset;
  QWidget owner;
  auto* window = new HelpWindow(&owner);
  ASSERT_TRUE(window->ShowContents(contents.toLocalFile()));
  QTextBrowser& browser = *window->Browser;
  const QString page_text = browser.toPlainText();
  const auto status = [window] {
    return window->StatusLabel->isVisible() ? window->StatusLabel->text() : QString();
  };

  ClickLink(browser, QStringLiteral("https://example.org/livro"));
  ClickLink(browser, QStringLiteral("mailto:equipe@vorelim.org"));
  EXPECT_EQ(opened, (std::vector<QUrl>{QUrl(QStringLiteral("https://example.org/livro")),
                                       QUrl(QStringLiteral("mailto:equipe@vorelim.org"))}));
  EXPECT_EQ(status(), QString());
  desktop_works = false;
  ClickLink(browser, QStringLiteral("https://example.org/livro"));
  EXPECT_TRUE(status().contains(QStringLiteral("https://example.org/livro")))
      << status().toStdString();

  const struct {
    const char* href;
    QString told;
  } refused[] = {
      {"file:///etc/passwd", QStringLiteral("file:///etc/passwd")},
      {"../../../../etc/passwd", QStringLiteral("/etc/passwd")},
      {"faltando.html", Q(manual / "faltando.html")},
      {"grande.html", Q(manual / "grande.html")},
  };
  for (const auto& row : refused) {
    SCOPED_TRACE(row.href);
    const auto start = std::chrono::steady_clock::now();
    ClickLink(browser, QString::fromUtf8(row.href));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(browser.source(), contents);
    EXPECT_EQ(browser.toPlainText(), page_text);
    EXPECT_TRUE(status().contains(row.told)) << status().toStdString();
  }

  // A page of the manual opens and the status line goes.
  ClickLink(browser, QStringLiteral("outra.html"));
  EXPECT_EQ(browser.source(), QUrl::fromLocalFile(Q(manual / "outra.html")));
  EXPECT_EQ(status(), QString());
  // "Voltar" to a page removed since stays where it is and says so.
  fs::remove(manual / "index.html");
  window->BackButton->click();
  EXPECT_EQ(browser.source(), QUrl::fromLocalFile(Q(manual / "outra.html")));
  EXPECT_TRUE(status().contains(Q(manual / "index.html"))) << status().toStdString();
  EXPECT_EQ(opened.size(), 3u);
}

}  // namespace
