// The main frame: chart name derivation, the menu bar with and without an active chart window,
// the shortcuts in both states, the start button, opening chart files through the reused file
// dialog, from the command line and by a drop, closing all children, and the whole "&Novo" flow.

#include "app/tformdi.h"

#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "app/command_line.h"
#include "chart/chart_record.h"
#include "chart/today.h"
#include "chartview/tvemapa.h"
#include "frame_fixture.h"
#include "newchart/tcriacao.h"
#include "support/charts.h"
#include "support/qt_support.h"
#include "support/temp_folder.h"
#include "texts/tform2.h"
#include "ui/controls.h"

namespace {

using vorelim::ChartField;
using vorelim::test::ChartOf;
using vorelim::test::WriteChart;

QStringList MenuBarTitles(const TFORMDI& frame) {
  QStringList titles;
  for (QAction* action : frame.menuBar()->actions()) titles << action->text();
  return titles;
}

// Answers the frame's file-open dialog once it shows, from inside its event loop.
class FileDialogAnswer {
 public:
  FileDialogAnswer(TFORMDI& frame, std::function<void(QFileDialog&)> answer)
      : frame_(frame), answer_(std::move(answer)) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
      QFileDialog* dialog = frame_.findChild<QFileDialog*>(QStringLiteral("FileOpenDialog"));
      if (dialog == nullptr || !dialog->isVisible()) return;
      timer_.stop();
      ++answered_;
      answer_(*dialog);
    });
    timer_.start();
  }
  int answered() const { return answered_; }

 private:
  TFORMDI& frame_;
  std::function<void(QFileDialog&)> answer_;
  QTimer timer_;
  int answered_ = 0;
};

// Set once the open dialog's model has listed the current folder to its end. Listens from the
// dialog's show on, before the dialog's event loop can deliver the listing.
struct FolderListed : QObject {
  FolderListed() { QCoreApplication::instance()->installEventFilter(this); }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched->objectName() == QLatin1String("FileOpenDialog")) {
      connect(watched->findChild<QFileSystemModel*>(), &QFileSystemModel::directoryLoaded, this,
              [this](const QString& path) {
                done =
                    done || QFileInfo(path).canonicalFilePath() == QDir::current().canonicalPath();
              });
    }
    return false;
  }
  bool done = false;
};

// The folder a view of the file dialog lists. The views show Qt's file system model through the
// dialog's proxy model, so their indexes are the proxy's.
QString ShownFolder(const QAbstractItemView& view) {
  return view.rootIndex().data(QFileSystemModel::FilePathRole).toString();
}

// Types the path into the dialog's file name box and presses "Open".
void Choose(QFileDialog& dialog, const QString& path) {
  auto* name_box = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  ASSERT_NE(name_box, nullptr);
  // The dialog selects the previous choice once its folder is listed, in the background; type
  // after that, as a user would: once the view holds every entry of the folder that the dialog's
  // filters let through.
  auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
  auto* model = dialog.findChild<QFileSystemModel*>();
  ASSERT_NE(view, nullptr);
  ASSERT_NE(model, nullptr);
  QDir folder(dialog.directory().absolutePath(), QString(), QDir::NoSort, dialog.filter());
  if (!model->nameFilterDisables()) folder.setNameFilters(model->nameFilters());
  const int entries = static_cast<int>(folder.count());
  ASSERT_TRUE(QTest::qWaitFor(
      [&] {
        return QDir(ShownFolder(*view)).canonicalPath() == folder.canonicalPath() &&
               view->model()->rowCount(view->rootIndex()) >= entries;
      },
      3000))
      << "the dialog did not list " << folder.absolutePath().toStdString();
  QCoreApplication::processEvents();
  name_box->setText(path);
  EXPECT_EQ(dialog.selectedFiles(), QStringList{path});
  // accept() is protected; the dialog's own "Open" path is what a user's Enter takes.
  QMetaObject::invokeMethod(&dialog, "accept");
}

class tformdi_test : public FrameFixture {
 protected:
  TVemapa* OpenChart(const QString& name) {
    TVemapa* window = frame_->OpenChartWindow(name);
    vorelim::test::CloseMessageBoxes();  // about the unreadable charts
    Activate();
    return window;
  }
};

TEST_F(tformdi_test, frame_starts_as_designed) {
  EXPECT_EQ(frame_->windowTitle(), QStringLiteral("MAPA DO VORELIM"));
  EXPECT_EQ(frame_->font().pixelSize(), 11);
  auto* button = vorelim::test::Named<QPushButton>(*frame_, "Button1");
  EXPECT_TRUE(button->isVisible());
  EXPECT_EQ(button->text(), QStringLiteral("FAÇA SEU MAPA"));
  EXPECT_EQ(button->mapTo(frame_->mdiArea(), QPoint(0, 0)), QPoint(208, 272));
  EXPECT_EQ(button->size(), QSize(185, 25));
  EXPECT_TRUE(button->font().bold());
}

TEST_F(tformdi_test, frame_menu_is_the_designed_one) {
  EXPECT_EQ(MenuBarTitles(*frame_), (QStringList{"&Arquivo", "&Clientes", "&Janela", "Aju&da"}));
  vorelim::test::ExpectMenuItems(
      frame_->Clientes1->actions(),
      {{frame_->Fichario1, "Fichario1", "&Fichário", QKeySequence(QStringLiteral("Ctrl+F"))},
       {frame_->Comparar1, "Comparar1", "&Comparar com...", QKeySequence(QStringLiteral("Ctrl+K"))},
       {frame_->Relatorio1, "Relatorio1", "&Relatório...",
        QKeySequence(QStringLiteral("Ctrl+R"))}});
  vorelim::test::ExpectMenuItems(
      frame_->Arquivo1->actions(),
      {{frame_->Abrir1, "Abrir1", "A&brir", QKeySequence(QStringLiteral("Ctrl+A"))},
       {frame_->Novo1, "Novo1", "&Novo", QKeySequence(QStringLiteral("Ctrl+N"))},
       {frame_->Sair1, "Sair1", "&Sair", QKeySequence(QStringLiteral("Ctrl+X"))}});
  vorelim::test::ExpectMenuItems(
      frame_->Ajuda1->actions(),
      {{frame_->HELP1, "HELP1", "&Help", QKeySequence(QStringLiteral("F1"))},
       {frame_->Sobre1, "Sobre1", "&Sobre", QKeySequence()},
       {frame_->Introducao1, "Introducao1", "&Introdução", QKeySequence()}});
}

TEST_F(tformdi_test, active_chart_window_merges_its_menus_and_closing_restores_the_frames) {
  TVemapa* first = OpenChart(QStringLiteral("UM"));
  EXPECT_EQ(MenuBarTitles(*frame_),
            (QStringList{"&Arquivo", "&Vorelim", "&Clientes", "&Janela", "Aju&da"}));
  EXPECT_EQ(frame_->menuBar()->actions().first()->menu(), first->Arquivo1);
  EXPECT_EQ(frame_->menuBar()->actions().last(), frame_->Ajuda1->menuAction());

  // The bar follows the active chart window.
  TVemapa* second = OpenChart(QStringLiteral("DOIS"));
  EXPECT_EQ(frame_->menuBar()->actions().first()->menu(), second->Arquivo1);
  frame_->mdiArea()->setActiveSubWindow(first->SubWindow());
  EXPECT_EQ(frame_->menuBar()->actions().first()->menu(), first->Arquivo1);

  // Another top-level window taking the focus leaves the active child's menus in place.
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  EXPECT_EQ(frame_->menuBar()->actions().first()->menu(), first->Arquivo1);
  other.close();

  frame_->CloseAllChildren();
  FinishCommand();
  EXPECT_TRUE(frame_->ChartWindows().isEmpty());
  EXPECT_EQ(frame_->menuBar()->actions(),
            (QList<QAction*>{frame_->Arquivo1->menuAction(), frame_->Clientes1->menuAction(),
                             frame_->Janela1->menuAction(), frame_->Ajuda1->menuAction()}));
}

// The caption names the active chart window, also after a texts window (another top-level
// window) took the focus and gave it back, and after the chart window above it closed.
TEST_F(tformdi_test, caption_names_the_active_chart_whatever_windows_opened_in_between) {
  const QString own = QStringLiteral("MAPA DO VORELIM");
  const QString maria = QStringLiteral("MAPA DO VORELIM - [MARIA]");
  TVemapa* chart = OpenChart(QStringLiteral("MARIA"));
  EXPECT_EQ(frame_->windowTitle(), maria);
  for (int round = 0; round < 2; ++round) {
    QPointer<TForm2> texts = OpenTextsWindow(chart, QStringLiteral("0"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(texts));
    texts->close();
    FinishCommand();
    Activate();
    EXPECT_EQ(frame_->windowTitle(), maria) << round;
  }
  TVemapa* second = OpenChart(QStringLiteral("JOSE"));
  EXPECT_EQ(frame_->windowTitle(), QStringLiteral("MAPA DO VORELIM - [JOSE]"));
  second->SubWindow()->close();
  FinishCommand();
  EXPECT_EQ(frame_->windowTitle(), maria);
  frame_->CloseAllChildren();
  FinishCommand();
  EXPECT_EQ(frame_->windowTitle(), own);
  OpenTextsWindow(frame_.get(), QStringLiteral("0"))->close();
  FinishCommand();
  Activate();
  EXPECT_EQ(frame_->windowTitle(), own);
}

TEST_F(tformdi_test, frame_shortcuts_without_a_chart_window) {
  QSignalSpy help(frame_->HELP1, &QAction::triggered);
  {
    FileDialogAnswer cancel(*frame_, [](QFileDialog& dialog) { dialog.reject(); });
    Press(Qt::CTRL | Qt::Key_A);
    EXPECT_EQ(cancel.answered(), 1);
  }
  const qsizetype dialogs = frame_->findChildren<TCriacao*>().size();
  Press(Qt::CTRL | Qt::Key_N);
  EXPECT_EQ(frame_->findChildren<TCriacao*>().size(), dialogs + 1);
  Press(Qt::Key_F1);
  EXPECT_EQ(help.count(), 1);
  Press(Qt::CTRL | Qt::Key_X);
  EXPECT_FALSE(frame_->isVisible());
}

TEST_F(tformdi_test, chart_shortcuts_while_a_chart_window_is_active) {
  TVemapa* chart = OpenChart(QStringLiteral("UM"));
  OpenChart(QStringLiteral("DOIS"));
  frame_->mdiArea()->setActiveSubWindow(chart->SubWindow());
  chart->FocusFirstControl();

  QSignalSpy frame_open(frame_->Abrir1, &QAction::triggered);
  QSignalSpy frame_new(frame_->Novo1, &QAction::triggered);
  QSignalSpy frame_exit(frame_->Sair1, &QAction::triggered);
  QSignalSpy chart_open(chart->Abrir1, &QAction::triggered);
  QSignalSpy chart_new(chart->Novo1, &QAction::triggered);
  QSignalSpy chart_exit(chart->Sair1, &QAction::triggered);
  QSignalSpy help(frame_->HELP1, &QAction::triggered);

  {
    // Also with the focus in the year box, which must not take Ctrl+A as "select all".
    chart->Edit1->setFocus();
    FileDialogAnswer cancel(*frame_, [](QFileDialog& dialog) { dialog.reject(); });
    Press(Qt::CTRL | Qt::Key_A);
    EXPECT_EQ(cancel.answered(), 1);
  }
  EXPECT_EQ(chart_open.count(), 1);
  EXPECT_EQ(frame_open.count(), 0);

  frame_->mdiArea()->setActiveSubWindow(chart->SubWindow());
  const qsizetype dialogs = frame_->findChildren<TCriacao*>().size();
  Press(Qt::CTRL | Qt::Key_N);
  EXPECT_EQ(chart_new.count(), 1);
  EXPECT_EQ(frame_new.count(), 0);
  EXPECT_EQ(frame_->findChildren<TCriacao*>().size(), dialogs + 1);

  Activate();
  Press(Qt::Key_F1);
  EXPECT_EQ(help.count(), 1);

  Press(Qt::CTRL | Qt::Key_Z);
  EXPECT_TRUE(frame_->ChartWindows().isEmpty());

  // With the charts gone, Ctrl+X is the frame's again.
  Press(Qt::CTRL | Qt::Key_X);
  EXPECT_EQ(frame_exit.count(), 1);
  EXPECT_EQ(chart_exit.count(), 0);
  EXPECT_FALSE(frame_->isVisible());
}

TEST_F(tformdi_test, chart_sair_closes_the_frame) {
  TVemapa* chart = OpenChart(QStringLiteral("UM"));
  chart->FocusFirstControl();
  QSignalSpy chart_exit(chart->Sair1, &QAction::triggered);
  Press(Qt::CTRL | Qt::Key_X);
  EXPECT_EQ(chart_exit.count(), 1);
  EXPECT_FALSE(frame_->isVisible());
}

TEST_F(tformdi_test, start_button_hides_for_good) {
  const struct {
    const char* row;
    std::function<void(TFORMDI&)> command;
  } rows[] = {
      {"the button itself", [](TFORMDI& frame) { frame.Button1->click(); }},
      {"Novo", [](TFORMDI& frame) { frame.Novo1->trigger(); }},
      {"Abrir cancelled",
       [](TFORMDI& frame) {
         FileDialogAnswer cancel(frame, [](QFileDialog& dialog) { dialog.reject(); });
         frame.Abrir1->trigger();
       }},
  };
  for (const auto& row : rows) {
    TFORMDI frame;
    frame.show();
    ASSERT_TRUE(frame.Button1->isVisible()) << row.row;
    row.command(frame);
    EXPECT_FALSE(frame.Button1->isVisible()) << row.row;
    // Closing every child does not bring it back.
    frame.CloseAllChildren();
    FinishCommand();
    EXPECT_FALSE(frame.Button1->isVisible()) << row.row;
  }
}

TEST_F(tformdi_test, cancelled_open_opens_nothing) {
  FileDialogAnswer cancel(*frame_, [](QFileDialog& dialog) { dialog.reject(); });
  frame_->Abrir1Click();
  EXPECT_EQ(cancel.answered(), 1);
  EXPECT_TRUE(frame_->ChartWindows().isEmpty());
}

TEST_F(tformdi_test, opens_a_chart_from_another_folder_and_offers_it_again) {
  const QString other = QDir::current().absoluteFilePath(QStringLiteral("outros"));
  ASSERT_TRUE(QDir().mkpath(other));
  const QString chosen = other + QStringLiteral("/MARIA.NUM");
  WriteChart(chosen.toStdString(), ChartOf({}));

  FileDialogAnswer answer(*frame_, [&](QFileDialog& dialog) { Choose(dialog, chosen); });
  frame_->Abrir1Click();
  ASSERT_EQ(frame_->ChartWindows().size(), 1);
  TVemapa* chart = frame_->ChartWindows().first();
  EXPECT_EQ(chart->windowTitle(), QStringLiteral("MARIA"));
  EXPECT_EQ(chart->SubWindow()->windowTitle(), QStringLiteral("MARIA"));
  EXPECT_EQ(chart->Panel1->text(), QStringLiteral("15/6/1975"));
  EXPECT_EQ(chart->Panel2->text(), QStringLiteral("7"));
  EXPECT_TRUE(chart->loadWarning().isEmpty());
  EXPECT_TRUE(chart->SubWindow()->isMaximized());
  EXPECT_EQ(frame_->mdiArea()->activeSubWindow(), chart->SubWindow());
  // The chosen folder is now the current one: new charts are written there.
  EXPECT_EQ(QDir::current().canonicalPath(), QDir(other).canonicalPath());

  // The same dialog comes back offering the previous choice.
  QString offered;
  QFileDialog* first_dialog = frame_->fileOpenDialog();
  FileDialogAnswer again(*frame_, [&](QFileDialog& dialog) {
    offered = dialog.selectedFiles().value(0);
    dialog.reject();
  });
  frame_->Abrir1Click();
  EXPECT_EQ(frame_->fileOpenDialog(), first_dialog);
  EXPECT_EQ(QFileInfo(offered).canonicalFilePath(), QFileInfo(chosen).canonicalFilePath());
}

TEST_F(tformdi_test, chosen_file_is_read_even_when_its_name_derives_another) {
  // Each row: the file chosen and the name its chart holds, the caption its file name gives, and
  // the personality that proves which file was read. Beside each lies the chart that the caption
  // would name, with personality 1.
  const struct {
    const char* file;
    const char* name;
    const char* caption;
    const char* personality;
  } rows[] = {
      {"A.B.NUM", "A.B", "AUM", "5"},
      {"NOTAS.TXT", "NOTAS", "NOTAS", "6"},
      {"ABCDEFGHIJKLMNOP.NUM", "ABCDEFGHIJKLMNO", "ABCDEFGHIJKLMNO", "3"},
      {"minusc.num", "minusc", "minusc", "9"},
  };
  for (const auto& row : rows) {
    WriteChart(row.file, ChartOf({.name = row.name, .personality = row.personality}));
    WriteChart(std::string(row.caption) + ".NUM",
               ChartOf({.name = row.caption, .personality = "1"}));
  }
  for (const auto& row : rows) {
    const QString path = QDir::current().absoluteFilePath(QString::fromLatin1(row.file));
    FileDialogAnswer answer(*frame_, [&](QFileDialog& dialog) { Choose(dialog, path); });
    frame_->Abrir1Click();
    TVemapa* chart = frame_->ChartWindows().last();
    EXPECT_EQ(chart->windowTitle(), QString::fromLatin1(row.caption)) << row.file;
    EXPECT_EQ(chart->Panel2->text(), QString::fromLatin1(row.personality)) << row.file;
    EXPECT_TRUE(chart->ChartPath.endsWith(QLatin1Char('/') + QString::fromLatin1(row.file)));
  }
}

TEST_F(tformdi_test, files_on_the_command_line_give_charts_or_one_message) {
  // Relative names in several folders: each is resolved in the folder the program started in,
  // although opening a chart moves the current folder. One folder and one name are not UTF-8.
  const std::filesystem::path start = std::filesystem::current_path();
  for (const char* folder : {"um", "dois", "x\xC3"}) std::filesystem::create_directory(folder);
  vorelim::test::WriteFileBytes("um/NOTAS.TXT", std::string(66, 'x'));
  WriteChart("x\xC3/\xC3.NUM", ChartOf({}));
  ASSERT_EQ(::mkfifo("dois/PIPE.NUM", 0644), 0);
  const vorelim::CommandLine command_line =
      vorelim::ReadCommandLine({"vorelim", "um/NOTAS.TXT", "x\xC3/\xC3.NUM", "dois",
                                "dois/FALTA.NUM", "dois/PIPE.NUM", "/dev/null"});
  ASSERT_FALSE(command_line.exit_code.has_value());
  frame_->OpenChosenFiles(command_line.files);

  // A readable file opens, also one that does not look like a chart (with its warning); the
  // others open nothing.
  const QList<TVemapa*> charts = frame_->ChartWindows();
  ASSERT_EQ(charts.size(), 2);
  EXPECT_EQ(charts[0]->windowTitle(), QStringLiteral("NOTAS"));
  EXPECT_EQ(charts[1]->windowTitle(), QStringLiteral("\uFFFD"));
  EXPECT_EQ(charts[1]->Panel1->text(), QStringLiteral("15/6/1975"));
  EXPECT_FALSE(frame_->Button1->isVisible());
  EXPECT_EQ(frame_->mdiArea()->activeSubWindow(), charts[1]->SubWindow());
  // The folder of the last chart that opened, not of the files after it that gave none.
  EXPECT_EQ(std::filesystem::current_path(), start / "x\xC3");

  QCoreApplication::processEvents();
  EXPECT_NE(charts[0]->findChild<QMessageBox*>(QStringLiteral("LoadWarning")), nullptr);
  EXPECT_EQ(charts[1]->findChild<QMessageBox*>(QStringLiteral("LoadWarning")), nullptr);
  const QList<QMessageBox*> told = frame_->findChildren<QMessageBox*>(
      QStringLiteral("FilesNotOpened"), Qt::FindDirectChildrenOnly);
  ASSERT_EQ(told.size(), 1);
  EXPECT_TRUE(told[0]->isVisible());
  const QString at = QString::fromStdString(start.string());
  EXPECT_EQ(told[0]->text(),
            QStringLiteral("Estes arquivos não foram abertos:\n"
                           "\"%1/dois\": o nome é de uma pasta, não de um arquivo.\n"
                           "\"%1/dois/FALTA.NUM\": o arquivo ou a pasta não existe.\n"
                           "\"%1/dois/PIPE.NUM\": é um pipe nomeado, não um arquivo comum.\n"
                           "\"/dev/null\": é um dispositivo, não um arquivo comum.")
                .arg(at));
  vorelim::test::CloseMessageBoxes();

  // Files that all fail leave the current folder where it was.
  frame_->OpenChosenFiles({QByteArray("/dev/null")});
  EXPECT_EQ(std::filesystem::current_path(), start / "x\xC3");
  EXPECT_EQ(frame_->ChartWindows().size(), 2);
}

// Files dragged from a file manager and dropped over a chart window: chart files open, any other
// drag is refused as it enters.
TEST_F(tformdi_test, dropped_chart_files_open_and_other_drags_are_refused) {
  std::filesystem::create_directory("pasta.NUM");
  WriteChart("MARIA.NUM", ChartOf({}));
  WriteChart("jose.num", ChartOf({.name = "jose"}));
  WriteChart("NOTAS.TXT", ChartOf({}));
  TVemapa* under = OpenChart(QStringLiteral("MARIA"));
  const QPoint at = under->Edit1->mapTo(frame_.get(), under->Edit1->rect().center());
  const QUrl here = QUrl::fromLocalFile(QDir::currentPath() + QLatin1Char('/'));
  const auto url = [&](const char* name) { return here.resolved(QUrl(QString::fromUtf8(name))); };
  const struct {
    const char* row;
    QList<QUrl> urls;
    QStringList opened;
  } rows[] = {
      {"two chart files", {url("MARIA.NUM"), url("jose.num")}, {"MARIA", "jose"}},
      {"another file", {url("NOTAS.TXT")}, {}},
      {"a chart file and another", {url("MARIA.NUM"), url("NOTAS.TXT")}, {}},
      {"a folder named as a chart", {url("pasta.NUM")}, {}},
      {"a missing chart file", {url("FALTA.NUM")}, {}},
      {"a chart on the web", {QUrl(QStringLiteral("https://example.org/MARIA.NUM"))}, {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.row);
    const qsizetype before = frame_->ChartWindows().size();
    QMimeData data;
    data.setUrls(row.urls);
    // Through the frame's window, as the desktop delivers a drag: it finds the widget that takes
    // the drop under the cursor.
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame_->windowHandle(), &enter);
    EXPECT_EQ(enter.isAccepted(), !row.opened.isEmpty());
    if (!enter.isAccepted()) {
      QDragLeaveEvent leave;
      QCoreApplication::sendEvent(frame_->windowHandle(), &leave);
      continue;
    }
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(frame_->windowHandle(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    QStringList opened;
    for (TVemapa* chart : frame_->ChartWindows().mid(before)) opened << chart->windowTitle();
    EXPECT_EQ(opened, row.opened);
  }
}

TEST_F(tformdi_test, file_filter_matches_num_in_any_letter_case) {
  for (const char* name : {"a.NUM", "b.num", "c.Num", "d.txt", "e.numx"}) {
    WriteChart(name, ChartOf({.name = "X", .personality = "1"}));
  }
  QStringList shown;
  FolderListed listed;
  FileDialogAnswer look(*frame_, [&](QFileDialog& dialog) {
    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    ASSERT_NE(view, nullptr);
    const QAbstractItemModel* model = view->model();
    // The folder is listed in the background.
    EXPECT_EQ(QDir(ShownFolder(*view)).canonicalPath(), QDir::current().canonicalPath());
    EXPECT_TRUE(QTest::qWaitFor([&] { return listed.done; }, 3000));
    for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
      const QModelIndex index = model->index(row, 0, view->rootIndex());
      if (!QFileInfo(index.data(QFileSystemModel::FilePathRole).toString()).isDir())
        shown << index.data().toString();
    }
    dialog.reject();
  });
  frame_->Abrir1Click();
  shown.sort();
  EXPECT_EQ(shown, (QStringList{"a.NUM", "b.num", "c.Num"}));
}

// A child window that refuses to close, as the splash window does.
class StubbornChild : public QWidget {
 protected:
  void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

TEST_F(tformdi_test, close_all_children_closes_every_chart_window_once) {
  QMdiSubWindow* stubborn = frame_->mdiArea()->addSubWindow(new StubbornChild);
  stubborn->show();
  QList<QPointer<TVemapa>> charts;
  for (const char* name : {"UM", "DOIS", "TRES"}) charts << OpenChart(QString::fromLatin1(name));
  ASSERT_EQ(frame_->ChartWindows().size(), 3);

  charts[1]->Fechar1->trigger();
  // Destruction waits for the end of the command.
  EXPECT_FALSE(charts[0].isNull());
  FinishCommand();
  for (const QPointer<TVemapa>& chart : charts) EXPECT_TRUE(chart.isNull());
  EXPECT_EQ(frame_->mdiArea()->subWindowList(), QList<QMdiSubWindow*>{stubborn});
}

TEST_F(tformdi_test, chart_windows_have_no_title_bar_buttons) {
  TVemapa* chart = OpenChart(QStringLiteral("UM"));
  QMdiSubWindow* sub = chart->SubWindow();
  EXPECT_TRUE(sub->windowFlags().testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(sub->testAttribute(Qt::WA_DeleteOnClose));
  EXPECT_TRUE(sub->isMaximized());
  EXPECT_EQ(chart->size(), frame_->mdiArea()->viewport()->size());
}

TEST_F(tformdi_test, two_windows_on_the_same_file_are_independent) {
  WriteChart("MARIA.NUM", ChartOf({}));
  TVemapa* first = OpenChart(QStringLiteral("MARIA"));
  TVemapa* second = OpenChart(QStringLiteral("MARIA"));
  ASSERT_NE(first, second);
  EXPECT_EQ(first->windowTitle(), second->windowTitle());
  first->UpDown1->StepDown();
  first->Chart.SetText(ChartField::Personality, "1");
  first->SelectedColumn = 3;
  EXPECT_EQ(first->Edit1->text(), QStringLiteral("2025"));
  EXPECT_EQ(second->Edit1->text(), QStringLiteral("2026"));
  EXPECT_EQ(second->Chart.Personality(), "7");
  EXPECT_EQ(second->SelectedColumn, 0);
  first->SubWindow()->close();
  FinishCommand();
  EXPECT_EQ(frame_->ChartWindows(), QList<TVemapa*>{second});
  EXPECT_EQ(second->Panel2->text(), QStringLiteral("7"));
}

TEST_F(tformdi_test, novo_with_the_initial_values_writes_and_opens_the_chart) {
  frame_->Novo1Click();
  const QList<TCriacao*> dialogs = frame_->findChildren<TCriacao*>();
  ASSERT_EQ(dialogs.size(), 1);
  TCriacao* dialog = dialogs.first();
  ASSERT_TRUE(dialog->isVisible());
  dialog->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
  QTest::mouseClick(dialog->OKBtn, Qt::LeftButton);

  EXPECT_FALSE(dialog->isVisible());

  // The file's exact bytes are the dialog's own test; here the frame shows the chart read back
  // from it whole.
  QCoreApplication::processEvents();
  const QList<TVemapa*> charts = frame_->ChartWindows();
  ASSERT_EQ(charts.size(), 1);
  TVemapa* chart = charts.first();
  EXPECT_EQ(chart->windowTitle(), QStringLiteral("NovoNome"));
  EXPECT_EQ(chart->Panel1->text(), QStringLiteral("2/2/1990"));
  EXPECT_EQ(chart->Panel2->text(), QStringLiteral("2"));
  EXPECT_EQ(chart->Panel3->text(), QStringLiteral("9"));
  EXPECT_EQ(chart->Panel4->text(), QStringLiteral("7"));
  EXPECT_EQ(chart->SubWindow(), frame_->mdiArea()->activeSubWindow());
  EXPECT_TRUE(chart->loadWarning().isEmpty());
  EXPECT_EQ(MenuBarTitles(*frame_),
            (QStringList{"&Arquivo", "&Vorelim", "&Clientes", "&Janela", "Aju&da"}));
}

// "&Introdução" opens the same page and leaves the button, which hides once clicked.
TEST(tformdi_start_button_test, opens_the_introduction_and_hides_itself) {
  QPointer<TFORMDI> frame = new TFORMDI;
  frame->show();
  ASSERT_TRUE(frame->Button1->isVisible());
  frame->Introducao1->trigger();
  EXPECT_TRUE(frame->Button1->isVisible());
  frame->Button1->click();
  EXPECT_FALSE(frame->Button1->isVisible());

  const QList<TForm2*> opened = frame->findChildren<TForm2*>(QString(), Qt::FindDirectChildrenOnly);
  ASSERT_EQ(opened.size(), 2);
  QList<QPointer<TForm2>> kept;
  for (TForm2* texts : opened) {
    EXPECT_TRUE(texts->isVisible());
    EXPECT_TRUE(texts->isWindow());
    EXPECT_EQ(texts->windowTitle(), QStringLiteral("FAÇA SEU MAPA"));
    EXPECT_EQ(texts->CurrentPage(), 0);
    kept.append(texts);
  }

  delete frame;
  for (const QPointer<TForm2>& texts : kept)
    EXPECT_TRUE(texts.isNull()) << "the frame takes its texts windows along";
}

}  // namespace
