// The chart window on its own (no main frame): layout, loading a chart file, the year box and its
// up-down control, and the warnings about files that do not give a chart.

#include "chartview/tvemapa.h"

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QFontMetrics>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <cerrno>
#include <filesystem>
#include <memory>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "chart/chart_record.h"
#include "chart/today.h"
#include "chartview/paint_box.h"
#include "chartview/transit_grid.h"
#include "support/charts.h"
#include "support/placement.h"
#include "support/qt_support.h"
#include "support/temp_folder.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/messages.h"

namespace {

using vorelim::BevelPanel;
using vorelim::ChartField;
using vorelim::ChartRecord;
using vorelim::test::BytesOf;
using vorelim::test::ChartOf;
using vorelim::test::WriteChart;

// The load warning box of `window`, once the event loop has shown it.
QMessageBox* WarningOf(TVemapa* window) {
  QCoreApplication::processEvents();
  return window->findChild<QMessageBox*>(QStringLiteral("LoadWarning"));
}

class tvemapa_test : public ::testing::Test {
 protected:
  // A stand-alone chart window (there is no main frame in these tests), destroyed by the test.
  TVemapa* NewWindow() {
    windows_.push_back(std::make_unique<TVemapa>());
    TVemapa* window = windows_.back().get();
    window->show();
    return window;
  }

  vorelim::test::FixedToday today_{{2026, 12, 7}};
  vorelim::test::TempFolder folder_;
  std::vector<std::unique_ptr<TVemapa>> windows_;
};

TEST_F(tvemapa_test, controls_sit_at_their_designed_places) {
  TVemapa* window = NewWindow();
  // The era shows once the transits are computed.
  vorelim::test::ExpectPlacedAsDesigned(*window, TVemapa::kPlacement, {"Panel11", "Panel12"});
  vorelim::test::ExpectTabOrder(*window, TVemapa::kPlacement);
  // Only the grid moves: it follows the bottom edge over the full width.
  window->resize(700, 500);
  EXPECT_EQ(vorelim::test::Named<QWidget>(*window, "StringGrid1")->geometry(),
            QRect(0, 500 - 103, 700, 103));
  vorelim::test::ExpectPlacedAsDesigned(*window, TVemapa::kPlacement, {"Panel11", "Panel12"});
}

TEST_F(tvemapa_test, panels_have_the_label_and_value_styles) {
  TVemapa* window = NewWindow();
  const std::pair<BevelPanel*, const char*> labels[] = {{window->Panel5, "NASCEU EM :"},
                                                        {window->Panel6, "PERSONALIDADE"},
                                                        {window->Panel7, "CONTROLE"},
                                                        {window->Panel8, "TENDÊNCIA"},
                                                        {window->Panel11, "ERA ATUAL"}};
  for (const auto& [panel, caption] : labels) {
    EXPECT_EQ(panel->text(), QString::fromUtf8(caption));
    EXPECT_EQ(panel->innerBevel(), BevelPanel::Bevel::Raised) << caption;
    EXPECT_EQ(panel->palette().color(QPalette::Window), panel->palette().color(QPalette::Button));
    EXPECT_EQ(panel->font().pixelSize(), 11);
    EXPECT_TRUE(panel->font().bold());
  }
  for (BevelPanel* panel :
       {window->Panel1, window->Panel2, window->Panel3, window->Panel4, window->Panel12}) {
    EXPECT_EQ(panel->outerBevel(), BevelPanel::Bevel::Raised) << panel->objectName().toStdString();
    EXPECT_EQ(panel->innerBevel(), BevelPanel::Bevel::None);
    EXPECT_EQ(panel->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(panel->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_EQ(panel->font().pixelSize(), 15);
    EXPECT_EQ(panel->cursor().shape(), Qt::DragMoveCursor);
  }
  EXPECT_EQ(window->Panel9->text(), QStringLiteral("TRÂNSITOS DO ANO"));
  EXPECT_EQ(window->Panel9->outerBevel(), BevelPanel::Bevel::None);
  EXPECT_EQ(window->palette().color(QPalette::Window),
            window->palette().color(QPalette::ToolTipBase));
  EXPECT_TRUE(window->Edit1->isReadOnly());
  EXPECT_EQ(window->Edit1->palette().color(QPalette::Base), QColor(255, 0, 0));
  EXPECT_EQ(window->Button1->text(), QStringLiteral("OK"));
  EXPECT_EQ(window->Button1->palette().color(QPalette::ButtonText), QColor(255, 0, 0));
}

TEST_F(tvemapa_test, captions_fit_inside_their_controls) {
  // The substitute faces must not cut the designed captions.
  vorelim::RegisterFontSubstitutes();
  TVemapa* window = NewWindow();
  window->Panel1->setText(QStringLiteral("30/12/1999"));
  window->Edit1->setText(QStringLiteral("2026"));
  for (BevelPanel* panel : window->findChildren<BevelPanel*>()) {
    if (panel->text().startsWith(QStringLiteral("Panel"))) continue;
    EXPECT_LE(QFontMetrics(panel->font()).horizontalAdvance(panel->text()),
              panel->contentsRect().width())
        << panel->objectName().toStdString();
  }
  EXPECT_LE(QFontMetrics(window->Edit1->font()).horizontalAdvance(window->Edit1->text()),
            window->Edit1->width() - 4);
}

TEST_F(tvemapa_test, fresh_window_keeps_its_designed_state_until_loaded) {
  TVemapa* window = NewWindow();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Mapa Individual"));
  EXPECT_EQ(window->Edit1->text(), QStringLiteral("100"));
  EXPECT_EQ(window->UpDown1->minimum(), 0);
  EXPECT_EQ(window->UpDown1->maximum(), 3000);
  EXPECT_EQ(window->Chart, ChartRecord());
  EXPECT_EQ(window->SelectedColumn, 0);
  EXPECT_EQ(window->SelectedRow, 0);
  EXPECT_TRUE(window->YearNumber.isEmpty());
  for (const QString& month : window->MonthNumbers) EXPECT_TRUE(month.isEmpty());
}

TEST_F(tvemapa_test, loading_a_good_chart_fills_the_panels_and_hides_the_results) {
  WriteChart("MARIA.NUM", ChartOf({}));
  TVemapa* window = NewWindow();
  window->StringGrid1->show();
  window->Panel11->show();
  window->Panel12->show();
  window->Button1->hide();

  window->LoadChart(QStringLiteral("MARIA"));

  EXPECT_EQ(window->windowTitle(), QStringLiteral("MARIA"));
  EXPECT_EQ(window->ChartName, QStringLiteral("MARIA"));
  EXPECT_EQ(window->Panel1->text(), QStringLiteral("15/6/1975"));
  EXPECT_EQ(window->Panel2->text(), QStringLiteral("7"));
  EXPECT_EQ(window->Panel3->text(), QStringLiteral("4"));
  EXPECT_EQ(window->Panel4->text(), QStringLiteral("8"));
  EXPECT_EQ(window->Edit1->text(), QStringLiteral("2026"));
  EXPECT_EQ(window->TransitYear, QStringLiteral("2026"));
  EXPECT_EQ(window->UpDown1->minimum(), 1976);
  EXPECT_TRUE(window->Button1->isVisible());
  EXPECT_TRUE(window->StringGrid1->isHidden());
  EXPECT_TRUE(window->Panel11->isHidden());
  EXPECT_TRUE(window->Panel12->isHidden());
  EXPECT_TRUE(window->loadWarning().isEmpty());
  EXPECT_EQ(WarningOf(window), nullptr);
}

TEST_F(tvemapa_test, birth_date_shows_the_stored_texts_without_leading_zeros) {
  WriteChart("ANA.NUM", ChartOf({.name = "ANA", .day = "7", .month = "3", .year = "1962"}));
  TVemapa* window = NewWindow();
  window->LoadChart(QStringLiteral("ANA"));
  EXPECT_EQ(window->Panel1->text(), QStringLiteral("7/3/1962"));
}

TEST_F(tvemapa_test, year_box_shows_the_calendar_year) {
  // The year comes from the date itself, whatever the date's written form would be.
  const struct {
    const char* name;
    vorelim::CalendarDate today;
    const char* year;
  } rows[] = {
      {"december 2026", {2026, 12, 7}, "2026"},
      {"1999", {1999, 1, 1}, "1999"},
      {"2070 (not 1970)", {2070, 6, 15}, "2070"},
      {"2020", {2020, 2, 29}, "2020"},
  };
  WriteChart("MARIA.NUM", ChartOf({}));
  for (const auto& row : rows) {
    vorelim::SetTodayForTesting(row.today);
    TVemapa* window = NewWindow();
    window->LoadChart(QStringLiteral("MARIA"));
    EXPECT_EQ(window->Edit1->text(), QString::fromLatin1(row.year)) << row.name;
  }
}

TEST_F(tvemapa_test, files_that_give_no_chart_still_open_and_are_reported) {
  const ChartRecord good = ChartOf({});
  ChartRecord oversized_length = good;
  oversized_length.bytes()[vorelim::LayoutOf(ChartField::Name).offset] = 200;
  const struct {
    const char* name;
    std::optional<std::string> bytes;  // none: no file at all
    const char* panel1;
    const char* panel2;
    int minimum;
    const char* reason;  // part of the warning; empty: no warning
  } rows[] = {
      {"missing file", std::nullopt, "//", "", 1, "não foi encontrado"},
      {"short file", BytesOf(good).substr(0, 19), "15//", "", 1, "tem 19 bytes, um mapa tem 66"},
      {"empty file", "", "//", "", 1, "tem 0 bytes"},
      {"longer file loads its first record", BytesOf(good) + std::string(30, 'x'), "15/6/1975", "7",
       1976, ""},
      {"number that is not a digit", BytesOf(ChartOf({.personality = "X"})), "15/6/1975", "X", 1976,
       "não parece ser"},
      {"number zero", BytesOf(ChartOf({.control = "0"})), "15/6/1975", "7", 1976, "não parece ser"},
      {"length byte above capacity", BytesOf(oversized_length), "15/6/1975", "7", 1976,
       "não parece ser"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    QFile::remove(QStringLiteral("CASO.NUM"));
    if (row.bytes) vorelim::test::WriteFileBytes("CASO.NUM", *row.bytes);
    TVemapa* window = NewWindow();
    window->LoadChart(QStringLiteral("CASO"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("CASO"));
    EXPECT_EQ(window->Edit1->text(), QStringLiteral("2026"));
    EXPECT_EQ(window->Panel1->text(), QString::fromUtf8(row.panel1));
    EXPECT_EQ(window->Panel2->text(), QString::fromUtf8(row.panel2));
    EXPECT_EQ(window->UpDown1->minimum(), row.minimum);
    QMessageBox* box = WarningOf(window);
    if (*row.reason == '\0') {
      EXPECT_EQ(box, nullptr);
    } else {
      ASSERT_NE(box, nullptr);
      EXPECT_TRUE(box->text().contains(QStringLiteral("CASO.NUM"))) << box->text().toStdString();
      EXPECT_TRUE(box->text().contains(QString::fromUtf8(row.reason))) << box->text().toStdString();
      box->close();
    }
  }
}

TEST_F(tvemapa_test, unreadable_chart_is_reported_with_the_reason) {
  // A folder where the chart file should be cannot be read as a file.
  std::filesystem::create_directory("PASTA.NUM");
  TVemapa* window = NewWindow();
  window->LoadChart(QStringLiteral("PASTA"));
  EXPECT_EQ(window->Panel1->text(), QStringLiteral("//"));
  QMessageBox* box = WarningOf(window);
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->text().startsWith(QStringLiteral("Não foi possível ler o arquivo")));
  EXPECT_TRUE(box->text().contains(QStringLiteral("PASTA.NUM")));
  EXPECT_TRUE(box->text().endsWith(QStringLiteral(": %1.").arg(vorelim::SystemErrorReason(EISDIR))))
      << box->text().toStdString();
}

TEST_F(tvemapa_test, up_down_range_follows_the_birth_year_and_stays_valid) {
  const struct {
    const char* year;
    int minimum;
  } rows[] = {{"1975", 1976}, {"2999", 3000}, {"3000", 3000}, {"9999", 3000}, {"", 1}, {"abc", 1}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.year);
    WriteChart("ANO.NUM", ChartOf({.year = row.year}));
    TVemapa* window = NewWindow();
    window->LoadChart(QStringLiteral("ANO"));
    EXPECT_EQ(window->UpDown1->minimum(), row.minimum);
    EXPECT_EQ(window->UpDown1->maximum(), 3000);
    window->UpDown1->StepUp();
    EXPECT_LE(window->Edit1->text().toInt(), 3000);
    EXPECT_GE(window->Edit1->text().toInt(), row.minimum);
  }
}

TEST_F(tvemapa_test, up_down_steps_one_year_within_the_range_without_wrapping) {
  const struct {
    const char* name;
    const char* birth_year;
    const char* start;
    bool up;
    const char* expected;
  } rows[] = {
      {"up one year", "1975", "2026", true, "2027"},
      {"down one year", "1975", "2026", false, "2025"},
      {"no wrap at the top", "1975", "3000", true, "3000"},
      {"no wrap at the bottom", "1975", "1976", false, "1976"},
      {"no thousands separator", "500", "999", true, "1000"},
      {"below the range moves up to the minimum", "2026", "2026", true, "2027"},
      {"below the range moves down to the minimum", "2026", "2026", false, "2027"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    WriteChart("P.NUM", ChartOf({.year = row.birth_year}));
    TVemapa* window = NewWindow();
    window->LoadChart(QStringLiteral("P"));
    window->SetYearText(QString::fromLatin1(row.start));
    QToolButton* arrow = row.up ? window->UpDown1->upButton() : window->UpDown1->downButton();
    QTest::mouseClick(arrow, Qt::LeftButton);
    EXPECT_EQ(window->Edit1->text(), QString::fromLatin1(row.expected));
  }
}

// The keyboard reaches every year the arrows reach: Up and Down step one year, Page Up and Page
// Down ten, inside the range, and a changed year hides the results until "OK" as a click does.
TEST_F(tvemapa_test, year_keys_step_the_year_as_the_arrows_do) {
  const struct {
    const char* name;
    const char* start;
    Qt::Key key;
    const char* expected;
  } rows[] = {
      {"Up: one year on", "2026", Qt::Key_Up, "2027"},
      {"Down: one year back", "2026", Qt::Key_Down, "2025"},
      {"Page Up: ten years on", "2026", Qt::Key_PageUp, "2036"},
      {"Page Down: ten years back", "2026", Qt::Key_PageDown, "2016"},
      {"Page Up stops at 3000", "2995", Qt::Key_PageUp, "3000"},
      {"Up at 3000 stays", "3000", Qt::Key_Up, "3000"},
      {"Page Down stops at the minimum", "1980", Qt::Key_PageDown, "1976"},
      {"Down at the minimum stays", "1976", Qt::Key_Down, "1976"},
      {"below the range Down moves up to the minimum", "1975", Qt::Key_Down, "1976"},
      {"typing a digit changes nothing", "2026", Qt::Key_5, "2026"},
  };
  WriteChart("MARIA.NUM", ChartOf({}));  // born 1975: the range is 1976 to 3000
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    TVemapa* window = NewWindow();
    window->LoadChart(QStringLiteral("MARIA"));
    window->SetYearText(QString::fromLatin1(row.start));
    window->Button1->click();
    ASSERT_TRUE(window->StringGrid1->isVisible());
    const QString shown_year = window->Edit1->text();

    QTest::keyClick(window->Edit1, row.key);

    EXPECT_EQ(window->Edit1->text(), QString::fromLatin1(row.expected));
    // A year that moved hides the results; one that stayed leaves them, as a click at the end of
    // the range does.
    const bool moved = window->Edit1->text() != shown_year;
    EXPECT_EQ(window->StringGrid1->isVisible(), !moved);
    EXPECT_EQ(window->Panel12->isVisible(), !moved);
    EXPECT_EQ(window->Button1->isVisible(), moved);
  }
}

TEST_F(tvemapa_test, enter_presses_ok_only_while_it_is_visible) {
  WriteChart("MARIA.NUM", ChartOf({}));
  TVemapa* window = NewWindow();
  window->LoadChart(QStringLiteral("MARIA"));
  window->show();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  QSignalSpy clicks(window->Button1, &QPushButton::clicked);
  window->Edit1->setFocus();
  QTest::keyClick(window->Edit1, Qt::Key_Return);
  EXPECT_EQ(clicks.count(), 1);
  window->Button1->hide();
  QTest::keyClick(window->Edit1, Qt::Key_Return);
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(tvemapa_test, menu_has_the_designed_items) {
  TVemapa* window = NewWindow();
  const QList<QAction*> top = window->MenuBarActions();
  ASSERT_EQ(top.size(), 2);
  EXPECT_EQ(top[0]->text(), QStringLiteral("&Arquivo"));
  EXPECT_EQ(top[1]->text(), QStringLiteral("&Vorelim"));
  EXPECT_EQ(top[1]->menu(), nullptr);
  vorelim::test::ExpectMenuItems(
      top[0]->menu()->actions(),
      {{window->Abrir1, "Abrir1", "A&brir", QKeySequence(QStringLiteral("Ctrl+A"))},
       {window->Novo1, "Novo1", "&Novo", QKeySequence(QStringLiteral("Ctrl+N"))},
       {window->Fechar1, "Fechar1", "&Fechar", QKeySequence(QStringLiteral("Ctrl+Z"))},
       {window->Imprimir1, "Imprimir1", "&Imprimir", QKeySequence(QStringLiteral("Ctrl+P"))},
       {window->ImprimirSetup1, "ImprimirSetup1", "C&onfigurar Impressão", QKeySequence()},
       {window->VisualizarImpressao1, "VisualizarImpressao1", "&Visualizar impressão",
        QKeySequence()},
       {window->Sair1, "Sair1", "&Sair", QKeySequence(QStringLiteral("Ctrl+X"))}});
}

}  // namespace
