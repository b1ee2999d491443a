// The chart window's commands that open texts windows, inside the main frame: its double-clicks
// and its "&Vorelim" menu item. Each opens a new window owned by the chart window.
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "app/tformdi.h"
#include "chart/chart_file.h"
#include "chart/chart_record.h"
#include "chart/today.h"
#include "chartview/paint_box.h"
#include "chartview/transit_grid.h"
#include "chartview/tvemapa.h"
#include "support/charts.h"
#include "support/qt_support.h"
#include "support/temp_folder.h"
#include "texts/tform2.h"
#include "ui/controls.h"

namespace {

QList<TForm2*> TextsWindowsOf(QWidget* owner) {
  return owner->findChildren<TForm2*>(QString(), Qt::FindDirectChildrenOnly);
}

// The caption of the one texts window that `opener` gained since `before` windows, or a note
// saying how many there are.
QString NewTextsCaption(QWidget* opener, qsizetype before) {
  const QList<TForm2*> opened = TextsWindowsOf(opener);
  if (opened.size() != before + 1)
    return QStringLiteral("%1 new windows").arg(opened.size() - before);
  TForm2* texts = opened.last();
  if (!texts->isVisible() || !texts->isWindow()) return QStringLiteral("not a shown window");
  return texts->windowTitle();
}

class chart_interactions_test : public ::testing::Test {
 protected:
  void SetUp() override {
    frame_ = new TFORMDI;
    frame_->show();
  }
  void TearDown() override { delete frame_; }

  // Writes NAME.NUM for a birth date and opens it in a chart window of the frame.
  TVemapa* OpenChart(const std::string& name, int day, int month, int year) {
    EXPECT_TRUE(
        vorelim::WriteChartFile(vorelim::test::ChartFor(name, day, month, year), folder_.path())
            .ok());
    return frame_->OpenChartWindow(QString::fromStdString(name));
  }

  // Presses "OK" for `year`, so the era number and the grid show.
  static void ShowTransits(TVemapa* chart, const QString& year) {
    chart->SetYearText(year);
    chart->Button1->click();
    ASSERT_TRUE(chart->StringGrid1->isVisible());
    ASSERT_TRUE(chart->Panel12->isVisible());
  }

  // Clicks a cell (which selects it) and double-clicks it, as the user does.
  static void DoubleClickCell(TVemapa* chart, int column, int row) {
    const QPoint centre = chart->StringGrid1->CellRect(column, row).center();
    QTest::mouseClick(chart->StringGrid1, Qt::LeftButton, {}, centre);
    QTest::mouseDClick(chart->StringGrid1, Qt::LeftButton, {}, centre);
  }

  // Asks for the context menu as the platform does for the right button (on the drawing) or the
  // Menu key (at the focused control): a context menu event that the control leaves to its window.
  static QMenu* RequestContextMenu(TVemapa* chart, QWidget* at, QContextMenuEvent::Reason reason) {
    const QPoint centre = at->rect().center();
    QContextMenuEvent request(reason, centre, at->mapToGlobal(centre));
    QApplication::sendEvent(at, &request);
    return chart->PopupMenu1;
  }

  static QStringList Captions(const QMenu* menu) {
    QStringList captions;
    for (const QAction* action : menu->actions()) {
      if (!action->isSeparator()) captions << action->text();
    }
    return captions;
  }

  vorelim::test::FixedToday today_{{2026, 3, 10}};
  vorelim::test::TempFolder folder_;
  TFORMDI* frame_ = nullptr;
};

TEST_F(chart_interactions_test, number_panels_open_the_text_of_their_number) {
  TVemapa* chart = OpenChart("MARIA", 15, 6, 1975);  // personality 7, control 4, tendency 8
  ASSERT_EQ(chart->Panel2->text(), QStringLiteral("7"));
  ASSERT_EQ(chart->Panel3->text(), QStringLiteral("4"));
  ASSERT_EQ(chart->Panel4->text(), QStringLiteral("8"));
  struct Row {
    const char* name;
    vorelim::BevelPanel* panel;
    const char* caption;
  } rows[] = {
      {"personality", chart->Panel2, "METAL 7"},
      {"control", chart->Panel3, "MADEIRA 4"},
      {"tendency", chart->Panel4, "TERRA 8"},
      {"personality again", chart->Panel2, "METAL 7"},
  };
  for (const Row& row : rows) {
    const qsizetype before = TextsWindowsOf(chart).size();
    QTest::mouseDClick(row.panel, Qt::LeftButton);
    EXPECT_EQ(NewTextsCaption(chart, before), QString::fromUtf8(row.caption)) << row.name;
  }
  EXPECT_EQ(TextsWindowsOf(chart).size(), 4) << "the same number twice gives two windows";
  EXPECT_TRUE(TextsWindowsOf(frame_).isEmpty()) << "owned by the chart window, not the frame";
}

TEST_F(chart_interactions_test, other_panels_and_the_drawing_open_nothing) {
  TVemapa* chart = OpenChart("MARIA", 15, 6, 1975);
  ShowTransits(chart, QStringLiteral("2026"));
  for (QWidget* quiet : std::initializer_list<QWidget*>{chart->Panel1, chart->Panel5, chart->Panel6,
                                                        chart->Panel7, chart->Panel8, chart->Panel9,
                                                        chart->Panel11, chart->PaintBox1, chart}) {
    QTest::mouseDClick(quiet, Qt::LeftButton, {}, QPoint(5, 5));
  }
  EXPECT_TRUE(TextsWindowsOf(chart).isEmpty());
}

TEST_F(chart_interactions_test, vorelim_menu_item_opens_the_introduction) {
  TVemapa* chart = OpenChart("MARIA", 15, 6, 1975);
  chart->Instrues1->trigger();
  EXPECT_EQ(NewTextsCaption(chart, 0), QStringLiteral("FAÇA SEU MAPA"));
  EXPECT_EQ(TextsWindowsOf(chart).first()->CurrentPage(), 0);
}

TEST_F(chart_interactions_test, era_number_opens_its_house) {
  TVemapa* chart = OpenChart("MARIA", 15, 6, 1975);
  ShowTransits(chart, QStringLiteral("2026"));
  const QString era = chart->Panel12->text();
  ASSERT_EQ(era.size(), 1);
  QTest::mouseDClick(chart->Panel12, Qt::LeftButton);
  EXPECT_EQ(NewTextsCaption(chart, 0), QStringLiteral("CASA ") + era);
}

TEST_F(chart_interactions_test, each_grid_cell_opens_the_house_shown_for_it) {
  TVemapa* chart = OpenChart("MARIA", 15, 6, 1975);
  ShowTransits(chart, QStringLiteral("2026"));
  vorelim::TransitGrid* grid = chart->StringGrid1;
  const QString year_house = grid->Cell(0, 1).trimmed();
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 8; ++column) {
      SCOPED_TRACE(testing::Message() << "column " << column << ", row " << row);
      // A month's name cell and its number cell both mean the number shown under the name.
      const bool month = column >= 2;
      const QString house = month ? grid->Cell(column, row | 1).trimmed() : year_house;
      ASSERT_EQ(house.size(), 1);
      const qsizetype before = TextsWindowsOf(chart).size();
      DoubleClickCell(chart, column, row);
      EXPECT_EQ(chart->SelectedColumn, column);
      EXPECT_EQ(chart->SelectedRow, row);
      EXPECT_EQ(NewTextsCaption(chart, before), QStringLiteral("CASA ") + house);
    }
  }
}

TEST_F(chart_interactions_test, grid_double_click_uses_the_selected_cell) {
  TVemapa* chart = OpenChart("MARIA", 15, 6, 1975);
  ShowTransits(chart, QStringLiteral("2026"));
  vorelim::TransitGrid* grid = chart->StringGrid1;
  const QString march = grid->Cell(4, 1).trimmed();
  ASSERT_NE(march, grid->Cell(0, 1).trimmed()) << "pick a year whose March differs from it";
  QTest::mouseClick(grid, Qt::LeftButton, {}, grid->CellRect(4, 0).center());
  // A double-click event over the year cell without a press before it: the house is still the
  // one of the selected cell (March), not of the cell under the mouse.
  const QPointF over_year = grid->CellRect(0, 0).center();
  QMouseEvent double_click(QEvent::MouseButtonDblClick, over_year, grid->mapToGlobal(over_year),
                           Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(grid, &double_click);
  EXPECT_EQ(NewTextsCaption(chart, 0), QStringLiteral("CASA ") + march);
}

TEST_F(chart_interactions_test, selected_cell_survives_a_new_year) {
  TVemapa* chart = OpenChart("MARIA", 15, 6, 1975);
  ShowTransits(chart, QStringLiteral("2026"));
  QTest::mouseClick(chart->StringGrid1, Qt::LeftButton, {},
                    chart->StringGrid1->CellRect(6, 3).center());  // November
  ShowTransits(chart, QStringLiteral("2031"));
  emit chart->StringGrid1->doubleClicked();
  EXPECT_EQ(NewTextsCaption(chart, 0),
            QStringLiteral("CASA ") + chart->StringGrid1->Cell(6, 3).trimmed());
}

TEST_F(chart_interactions_test, two_chart_windows_open_their_own_houses) {
  TVemapa* first = OpenChart("MARIA", 15, 6, 1975);
  TVemapa* second = OpenChart("JOAO", 7, 3, 1962);
  ShowTransits(first, QStringLiteral("2026"));
  ShowTransits(second, QStringLiteral("2029"));
  const QString first_march = first->StringGrid1->Cell(4, 1).trimmed();
  const QString second_march = second->StringGrid1->Cell(4, 1).trimmed();
  ASSERT_NE(first_march, second_march) << "the two windows must show different March houses";

  DoubleClickCell(second, 4, 0);
  DoubleClickCell(first, 4, 1);
  DoubleClickCell(second, 4, 1);
  ASSERT_EQ(TextsWindowsOf(first).size(), 1);
  ASSERT_EQ(TextsWindowsOf(second).size(), 2);
  EXPECT_EQ(TextsWindowsOf(first)[0]->windowTitle(), QStringLiteral("CASA ") + first_march);
  EXPECT_EQ(TextsWindowsOf(second)[0]->windowTitle(), QStringLiteral("CASA ") + second_march);
  EXPECT_EQ(TextsWindowsOf(second)[1]->windowTitle(), QStringLiteral("CASA ") + second_march);
}

TEST_F(chart_interactions_test, fechar_destroys_the_texts_windows_of_the_chart) {
  QPointer<TVemapa> chart = OpenChart("MARIA", 15, 6, 1975);
  chart->Instrues1->trigger();
  QTest::mouseDClick(chart->Panel2, Qt::LeftButton);
  QList<QPointer<TForm2>> opened;
  for (TForm2* texts : TextsWindowsOf(chart)) opened.append(texts);
  ASSERT_EQ(opened.size(), 2);
  // A texts window of the frame is not the chart window's to close.
  frame_->Button1->click();
  QPointer<TForm2> frames_own = TextsWindowsOf(frame_).value(0);
  ASSERT_FALSE(frames_own.isNull());

  chart->Fechar1->trigger();
  vorelim::test::RunDeferredDeletes();
  EXPECT_TRUE(chart.isNull());
  for (const QPointer<TForm2>& texts : opened) EXPECT_TRUE(texts.isNull());
  EXPECT_FALSE(frames_own.isNull());
}

// The right button, the Menu key and Shift+F10 open the same menu of the number texts; opened from
// the keyboard, its first entry is the current one.
TEST_F(chart_interactions_test, context_menu_opens_from_the_mouse_and_the_keyboard) {
  TVemapa* chart = OpenChart("MARIA", 15, 6, 1975);
  frame_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(frame_));
  const struct {
    const char* name;
    std::function<QMenu*()> open;
    bool from_keyboard;
  } rows[] = {
      {"right button on the drawing",
       [&] { return RequestContextMenu(chart, chart->PaintBox1, QContextMenuEvent::Mouse); },
       false},
      {"right button on a number",
       [&] { return RequestContextMenu(chart, chart->Panel3, QContextMenuEvent::Mouse); }, false},
      {"Menu key in the year box",
       [&] { return RequestContextMenu(chart, chart->Edit1, QContextMenuEvent::Keyboard); }, true},
      {"Shift+F10 on OK",
       [&] {
         chart->Button1->setFocus();
         QTest::keyClick(chart->Button1, Qt::Key_F10, Qt::ShiftModifier);
         return chart->PopupMenu1;
       },
       true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    QMenu* menu = row.open();
    ASSERT_TRUE(menu->isVisible());
    EXPECT_EQ(Captions(menu),
              QStringList({QStringLiteral("&Personalidade: 7"), QStringLiteral("&Controle: 4"),
                           QStringLiteral("&Tendência: 8")}));
    EXPECT_EQ(menu->activeAction(), row.from_keyboard ? menu->actions().first() : nullptr);
    menu->hide();
  }
  EXPECT_TRUE(TextsWindowsOf(chart).isEmpty());
}

// Every entry opens the text its double-click opens and shows the number or house of that text;
// the era, the year and the months are listed only while the transits are shown.
TEST_F(chart_interactions_test, context_menu_entries_open_what_their_double_clicks_open) {
  TVemapa* chart = OpenChart("MARIA", 15, 6, 1975);
  ShowTransits(chart, QStringLiteral("2026"));
  const auto panel = [chart](vorelim::BevelPanel* TVemapa::*member) {
    return [chart, member] { QTest::mouseDClick(chart->*member, Qt::LeftButton); };
  };
  const auto cell = [chart](int column, int row) {
    return [chart, column, row] { DoubleClickCell(chart, column, row); };
  };
  const struct {
    const char* entry;
    std::function<void()> double_click;
  } rows[] = {
      {"&Personalidade", panel(&TVemapa::Panel2)},
      {"&Controle", panel(&TVemapa::Panel3)},
      {"&Tendência", panel(&TVemapa::Panel4)},
      {"&Era atual", panel(&TVemapa::Panel12)},
      {"&Ano 2026", cell(0, 0)},
      {"Janeiro", cell(2, 1)},
      {"Fevereiro", cell(3, 0)},
      {"Março", cell(4, 1)},
      {"Abril", cell(5, 1)},
      {"Maio", cell(6, 0)},
      {"Junho", cell(7, 1)},
      {"Julho", cell(2, 3)},
      {"Agosto", cell(3, 2)},
      {"Setembro", cell(4, 3)},
      {"Outubro", cell(5, 3)},
      {"Novembro", cell(6, 2)},
      {"Dezembro", cell(7, 3)},
  };
  QStringList listed;
  for (const QString& caption :
       Captions(RequestContextMenu(chart, chart->PaintBox1, QContextMenuEvent::Mouse))) {
    listed << caption.section(QLatin1Char(':'), 0, 0);
  }
  QStringList expected;
  for (const auto& row : rows) expected << QString::fromUtf8(row.entry);
  EXPECT_EQ(listed, expected);

  for (const auto& row : rows) {
    SCOPED_TRACE(row.entry);
    QMenu* menu = RequestContextMenu(chart, chart->PaintBox1, QContextMenuEvent::Mouse);
    QAction* entry = nullptr;
    for (QAction* action : menu->actions()) {
      if (action->text().startsWith(QString::fromUtf8(row.entry) + QLatin1Char(':')))
        entry = action;
    }
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isEnabled());
    qsizetype before = TextsWindowsOf(chart).size();
    entry->trigger();
    menu->hide();
    const QString from_menu = NewTextsCaption(chart, before);
    before = TextsWindowsOf(chart).size();
    row.double_click();
    EXPECT_EQ(from_menu, NewTextsCaption(chart, before));
    // "METAL 7" for "Personalidade: 7", "CASA 3" for "Era atual: casa 3".
    EXPECT_TRUE(entry->text().endsWith(QLatin1Char(' ') + from_menu.section(QLatin1Char(' '), -1)))
        << entry->text().toStdString() << " opened " << from_menu.toStdString();
  }

  chart->UpDown1->StepUp();  // the results are hidden until "OK"
  EXPECT_EQ(Captions(RequestContextMenu(chart, chart->PaintBox1, QContextMenuEvent::Mouse)).size(),
            3);
}

// A chart whose numbers are empty lists them without a value, and they cannot be chosen.
TEST_F(chart_interactions_test, context_menu_entries_without_a_value_are_disabled) {
  TVemapa* chart = frame_->OpenChartWindow(QStringLiteral("FALTA"));  // no such file
  QMenu* menu = RequestContextMenu(chart, chart->PaintBox1, QContextMenuEvent::Mouse);
  EXPECT_EQ(Captions(menu),
            QStringList({QStringLiteral("&Personalidade"), QStringLiteral("&Controle"),
                         QStringLiteral("&Tendência")}));
  for (const QAction* action : menu->actions()) EXPECT_FALSE(action->isEnabled());
  vorelim::test::CloseMessageBoxes();
}

}  // namespace
