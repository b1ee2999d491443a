// The frame as a practitioner's desk: the register it opens and the charts the register asks
// for, the comparison and the client report of the active chart, the window menu over many charts,
// a replaced chart shown anew in the windows open on it, and "A&brir" handing the keyboard back to
// the chart it opened.

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "app/tformdi.h"
#include "chartview/tvemapa.h"
#include "compare/comparison_window.h"
#include "frame_fixture.h"
#include "newchart/tcriacao.h"
#include "register/register_chooser.h"
#include "register/register_list.h"
#include "register/register_model.h"
#include "register/register_window.h"
#include "support/charts.h"
#include "support/qt_support.h"
#include "support/temp_folder.h"
#include "ui/controls.h"
#include "ui/print_preview.h"
#include "ui/program_printer.h"

namespace {

using vorelim::test::ChartFor;
using vorelim::test::ChartOf;
using vorelim::test::WriteChart;

class frame_desk_test : public FrameFixture {
 protected:
  QStringList Titles() const {
    QStringList titles;
    for (TVemapa* chart : frame_->ChartWindows()) titles << chart->windowTitle();
    return titles;
  }

  QString Active() const {
    QMdiSubWindow* sub = frame_->mdiArea()->currentSubWindow();
    return sub != nullptr ? sub->widget()->windowTitle() : QString();
  }
};

TEST_F(frame_desk_test, the_register_finds_a_client_and_the_frame_opens_her_chart) {
  WriteChart("MARIA.NUM", ChartOf({}));
  WriteChart("JOSE.NUM", ChartOf({.name = "JOSE",
                                  .day = "2",
                                  .month = "2",
                                  .year = "1990",
                                  .personality = "2",
                                  .control = "9",
                                  .tendency = "7"}));
  Press(Qt::CTRL | Qt::Key_F);
  vorelim::RegisterWindow* window = frame_->registerWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  EXPECT_EQ(window->windowTitle(),
            QStringLiteral("Fichário - ") + QDir::toNativeSeparators(QDir::currentPath()));
  QLineEdit* search = window->list()->searchBox();
  EXPECT_TRUE(search->hasFocus());

  QTest::keyClicks(search, "p7");
  QTest::keyClick(search, Qt::Key_Return);
  ASSERT_EQ(Titles(), QStringList{"MARIA"});
  EXPECT_EQ(frame_->ChartWindows().first()->Panel1->text(), QStringLiteral("15/6/1975"));
  EXPECT_TRUE(window->isVisible()) << "the register stays open behind the chart";

  // One register per frame: asking again brings the same window forward, still searching.
  Press(Qt::CTRL | Qt::Key_F);
  EXPECT_EQ(frame_->registerWindow(), window);
  EXPECT_EQ(search->text(), QStringLiteral("p7"));
  // Another folder becomes the program's current folder, where "&Novo" writes.
  const std::filesystem::path other = folder_.path() / "outra";
  std::filesystem::create_directory(other);
  WriteChart(other / "ANA.NUM", ChartOf({.name = "ANA"}));
  window->ChooseFolder(other);
  EXPECT_EQ(std::filesystem::current_path(), other);
  EXPECT_EQ(window->list()->model()->totalCount(), 1);
  // "&Novo" from the register is the frame's.
  const qsizetype dialogs = frame_->findChildren<TCriacao*>().size();
  QTest::keyClick(search, Qt::Key_N, Qt::ControlModifier);
  EXPECT_EQ(frame_->findChildren<TCriacao*>().size(), dialogs + 1);
}

// "&Comparar com..." and "&Relatório..." act on the active chart window, and their shortcuts
// reach them while its menus are on the bar.
TEST_F(frame_desk_test, the_clients_menu_compares_and_reports_the_active_chart) {
  QPrinter printer(QPrinter::HighResolution);
  vorelim::SetProgramPrinterForTesting(&printer);
  WriteChart("JOSE.NUM", ChartFor("JOSE", 5, 4, 1990));
  WriteChart("MARIA.NUM", ChartFor("MARIA", 15, 6, 1975));
  EXPECT_FALSE(frame_->Comparar1->isEnabled());
  EXPECT_FALSE(frame_->Relatorio1->isEnabled());
  frame_->OpenChartWindow(QStringLiteral("JOSE"), QDir::current().absoluteFilePath("JOSE.NUM"));
  EXPECT_TRUE(frame_->Comparar1->isEnabled());
  EXPECT_TRUE(frame_->Relatorio1->isEnabled());

  // Ctrl+K; in the chooser, `typed` in the search box and Enter, after `meanwhile` ran.
  const auto compare_with = [this](const char* typed, const std::function<void()>& meanwhile) {
    bool searched = false;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, &answer, [&] {
      // Once it is the active window, as a user's keys reach it; before, Enter is the chart's.
      auto* chooser = qobject_cast<vorelim::RegisterChooser*>(QApplication::activeModalWidget());
      if (chooser == nullptr || QApplication::activeWindow() != chooser) return;
      answer.stop();
      QLineEdit* search = chooser->list()->searchBox();
      searched = search->hasFocus();
      meanwhile();
      QTest::keyClicks(search, typed);
      QTest::keyClick(search, Qt::Key_Return);
    });
    answer.start(20);
    Press(Qt::CTRL | Qt::Key_K);
    EXPECT_TRUE(searched) << "the search box has the keyboard";
  };

  // A chart gone while the chooser listed it is told as "A&brir" tells it, and nothing opens.
  WriteChart("ANA.NUM", ChartFor("ANA", 15, 8, 1968));
  {
    vorelim::test::WarningCapture warnings;
    compare_with("ana", [] { std::filesystem::remove("ANA.NUM"); });
    ASSERT_EQ(warnings.texts().size(), 1);
    EXPECT_TRUE(warnings.texts().first().contains(QStringLiteral("não foi encontrado")));
    EXPECT_EQ(frame_->findChild<vorelim::ComparisonWindow*>(), nullptr);
  }

  compare_with("mar", [] {});
  auto* comparison = frame_->findChild<vorelim::ComparisonWindow*>();
  ASSERT_NE(comparison, nullptr);
  EXPECT_TRUE(comparison->isVisible());
  EXPECT_EQ(comparison->windowTitle(), QStringLiteral("Comparação - JOSE e MARIA"));
  QStringList relations;
  for (int row = 0; row < comparison->Table->rowCount(); ++row) {
    relations << comparison->Table->item(row, 2)->text();
  }
  EXPECT_EQ(relations, (QStringList{"MARIA nutre JOSE", "JOSE domina MARIA", "JOSE nutre MARIA"}));

  // The report is the active chart's.
  frame_->OpenChartWindow(QStringLiteral("MARIA"), QDir::current().absoluteFilePath("MARIA.NUM"));
  Press(Qt::CTRL | Qt::Key_R);
  auto* report = frame_->ChartWindows().last()->findChild<vorelim::PrintPreviewWindow*>();
  ASSERT_NE(report, nullptr);
  EXPECT_EQ(report->windowTitle(), QStringLiteral("Relatório - MARIA"));
  EXPECT_EQ(frame_->ChartWindows().first()->findChild<vorelim::PrintPreviewWindow*>(), nullptr);
  delete report;
  vorelim::SetProgramPrinterForTesting(nullptr);
}

TEST_F(frame_desk_test, the_window_menu_steps_through_every_chart_and_closes_one) {
  for (const char* name : {"UM", "DOIS", "TRES"}) {
    frame_->OpenChartWindow(QString::fromLatin1(name));
    vorelim::test::CloseMessageBoxes();  // about the missing charts
  }
  EXPECT_EQ(Active(), QStringLiteral("TRES"));
  frame_->UpdateWindowMenu();
  QStringList entries;
  QString checked;
  for (QAction* action : frame_->Janela1->actions()) {
    if (!action->isCheckable()) continue;
    entries << action->text();
    if (action->isChecked()) checked = action->text();
  }
  EXPECT_EQ(entries, (QStringList{"&1 UM", "&2 DOIS", "&3 TRES"}));
  EXPECT_EQ(checked, QStringLiteral("&3 TRES"));

  // Ctrl+Tab goes round all three, Ctrl+Shift+Tab back.
  Press(Qt::CTRL | Qt::Key_Tab);
  EXPECT_EQ(Active(), QStringLiteral("UM"));
  Press(Qt::CTRL | Qt::Key_Tab);
  EXPECT_EQ(Active(), QStringLiteral("DOIS"));
  Press(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab);
  EXPECT_EQ(Active(), QStringLiteral("UM"));

  // Ctrl+W closes the active chart only, and another chart comes forward; Ctrl+F4 the same.
  Press(Qt::CTRL | Qt::Key_W);
  EXPECT_EQ(Titles(), (QStringList{"DOIS", "TRES"}));
  EXPECT_EQ(Active(), QStringLiteral("DOIS"));
  Press(Qt::CTRL | Qt::Key_F4);
  EXPECT_EQ(Titles(), QStringList{"TRES"});
  EXPECT_EQ(Active(), QStringLiteral("TRES"));
  frame_->FecharTodos1->trigger();
  vorelim::test::RunDeferredDeletes();
  EXPECT_TRUE(Titles().isEmpty());
}

TEST_F(frame_desk_test, a_replaced_chart_shows_anew_in_the_windows_open_on_it) {
  WriteChart("MARIA.NUM", ChartOf({}));
  TVemapa* open = frame_->OpenChartWindow(QStringLiteral("MARIA"),
                                          QDir::current().absoluteFilePath("MARIA.NUM"));
  ASSERT_EQ(open->Panel1->text(), QStringLiteral("15/6/1975"));
  frame_->Novo1Click();
  TCriacao* dialog = frame_->findChildren<TCriacao*>().last();
  dialog->Edit1->setText(QStringLiteral("MARIA"));
  dialog->OKBtn->click();  // asks first
  EXPECT_EQ(open->Panel1->text(), QStringLiteral("15/6/1975"));
  dialog->Button1->click();
  dialog->OKBtn->click();
  EXPECT_EQ(open->Panel1->text(), QStringLiteral("2/2/1990"));
  EXPECT_EQ(Titles(), (QStringList{"MARIA", "MARIA"}));
}

// "A&brir" with a name typed (its completion list open): the list goes with the dialog, the
// chart has the keyboard, and the next "A&brir" offers the name selected, so typing replaces it.
TEST_F(frame_desk_test, open_leaves_the_keyboard_to_the_chart) {
  WriteChart("MARIA.NUM", ChartOf({}));
  WriteChart("MARCOS.NUM", ChartOf({.name = "MARCOS"}));
  bool answered = false;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, &answer, [&] {
    auto* dialog = frame_->fileOpenDialog();
    if (dialog == nullptr || !dialog->isVisible()) return;
    auto* name_box = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    // Typed once; the completion list fills once the folder is listed, which under load takes
    // several ticks.
    if (name_box->text().isEmpty()) QTest::keyClicks(name_box, "MAR");
    if (name_box->completer() == nullptr || name_box->completer()->completionCount() == 0) return;
    answer.stop();
    answered = true;
    QTest::keyClicks(name_box, "IA.NUM");
    QMetaObject::invokeMethod(dialog, "accept");
  });
  answer.start(20);
  frame_->Abrir1Click();
  ASSERT_TRUE(answered);
  QCoreApplication::processEvents();
  ASSERT_EQ(Titles(), QStringList{"MARIA"});
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  for (QCompleter* completer : frame_->fileOpenDialog()->findChildren<QCompleter*>()) {
    EXPECT_FALSE(completer->popup()->isVisible());
  }
  Activate();
  EXPECT_TRUE(frame_->ChartWindows().first()->isAncestorOf(QApplication::focusWidget()));

  QString selected, offered;
  QTimer again;
  QObject::connect(&again, &QTimer::timeout, &again, [&] {
    auto* dialog = frame_->fileOpenDialog();
    if (dialog == nullptr || !dialog->isVisible()) return;
    again.stop();
    auto* name_box = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    offered = name_box->text();
    selected = name_box->selectedText();
    dialog->reject();
  });
  again.start(20);
  frame_->Abrir1Click();
  EXPECT_FALSE(offered.isEmpty());
  EXPECT_EQ(selected, offered);
}

}  // namespace
