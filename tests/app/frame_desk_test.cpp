// The frame as a practitioner's desk: the register and the folder it moves to, the comparison and
// the client report of the active chart, closing one chart of many, a replaced chart shown anew,
// and "A&brir" handing the keyboard back to the chart it opened.

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

#include "app/tformdi.h"
#include "chartview/tvemapa.h"
#include "compare/comparison_window.h"
#include "frame_fixture.h"
#include "newchart/tcriacao.h"
#include "register/register_chooser.h"
#include "register/register_list.h"
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

// The register opens on Ctrl+F, Enter in its search box opens the chart found, and a folder chosen
// there becomes the program's current folder, where "&Novo" writes.
TEST_F(frame_desk_test, the_register_opens_a_chart_and_its_folder_is_followed) {
  WriteChart("MARIA.NUM", ChartOf({}));
  Press(Qt::CTRL | Qt::Key_F);
  vorelim::RegisterWindow* window = frame_->registerWindow();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QLineEdit* search = window->list()->searchBox();
  QTest::keyClicks(search, "mar");
  QTest::keyClick(search, Qt::Key_Return);
  EXPECT_EQ(Titles(), QStringList{"MARIA"});

  const std::filesystem::path other = folder_.path() / "outra";
  std::filesystem::create_directory(other);
  window->ChooseFolder(other);
  EXPECT_EQ(std::filesystem::current_path(), other);
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

  // Ctrl+K; in the chooser, once it is the active window (before, Enter is the chart's), "mar"
  // and Enter.
  bool searched = false;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, &answer, [&] {
    auto* chooser = qobject_cast<vorelim::RegisterChooser*>(QApplication::activeModalWidget());
    if (chooser == nullptr || QApplication::activeWindow() != chooser) return;
    answer.stop();
    QLineEdit* search = chooser->list()->searchBox();
    searched = search->hasFocus();
    QTest::keyClicks(search, "mar");
    QTest::keyClick(search, Qt::Key_Return);
  });
  answer.start(20);
  Press(Qt::CTRL | Qt::Key_K);
  EXPECT_TRUE(searched) << "the search box has the keyboard";
  auto* comparison = frame_->findChild<vorelim::ComparisonWindow*>();
  ASSERT_NE(comparison, nullptr);
  EXPECT_TRUE(comparison->isVisible());
  EXPECT_EQ(comparison->windowTitle(), QStringLiteral("Comparação - JOSE e MARIA"));

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

TEST_F(frame_desk_test, the_window_menu_closes_the_active_chart_only) {
  for (const char* name : {"UM", "DOIS", "TRES"}) {
    frame_->OpenChartWindow(QString::fromLatin1(name));
    vorelim::test::CloseMessageBoxes();  // about the missing charts
  }
  // Ctrl+Tab goes round to the first.
  Press(Qt::CTRL | Qt::Key_Tab);
  EXPECT_EQ(Active(), QStringLiteral("UM"));

  // Ctrl+W closes the active chart only, and another chart comes forward; Ctrl+F4 the same.
  Press(Qt::CTRL | Qt::Key_W);
  EXPECT_EQ(Titles(), (QStringList{"DOIS", "TRES"}));
  EXPECT_EQ(Active(), QStringLiteral("DOIS"));
  Press(Qt::CTRL | Qt::Key_F4);
  EXPECT_EQ(Titles(), QStringList{"TRES"});
  EXPECT_EQ(Active(), QStringLiteral("TRES"));
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

// "A&brir" with a name typed (its completion list open): the list goes with the dialog and the
// chart has the keyboard.
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
}

}  // namespace
