// What screen readers are told, read through Qt's accessibility interfaces as the platform's
// bridge reads them: the names of the windows' controls and menus, the fields tied to their
// labels, the texts window's text, the drawing's description and the transit grid as a table.

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTableView>
#include <QTextBrowser>
#include <QTextEdit>
#include <QToolButton>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "app/help_window.h"
#include "app/taboutbox.h"
#include "app/tform1.h"
#include "app/tformdi.h"
#include "chart/chart_file.h"
#include "chart/chart_record.h"
#include "chartview/paint_box.h"
#include "chartview/transit_grid.h"
#include "chartview/tvemapa.h"
#include "newchart/tcriacao.h"
#include "register/register_list.h"
#include "register/register_window.h"
#include "support/charts.h"
#include "support/qt_support.h"
#include "support/temp_folder.h"
#include "texts/tform2.h"
#include "ui/controls.h"

namespace {

QString NameOf(QObject* object) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
  return face != nullptr ? face->text(QAccessible::Name) : QStringLiteral("(no interface)");
}

class accessibility_test : public ::testing::Test {
 protected:
  void SetUp() override {
    frame_ = std::make_unique<TFORMDI>();
    frame_->ShowAtStart();
  }

  TVemapa* OpenMaria() {
    EXPECT_TRUE(
        vorelim::WriteChartFile(vorelim::test::ChartFor("MARIA", 15, 6, 1975), folder_.path())
            .ok());
    return frame_->OpenChartWindow(QStringLiteral("MARIA"));
  }

  static void ShowTransits(TVemapa* chart, const QString& year) {
    chart->SetYearText(year);
    chart->Button1->click();
  }

  vorelim::test::FixedToday today_{{2026, 3, 10}};
  vorelim::test::TempFolder folder_;
  std::unique_ptr<TFORMDI> frame_;
};

TEST_F(accessibility_test, controls_windows_and_menus_have_their_portuguese_names) {
  TVemapa* chart = OpenMaria();
  ShowTransits(chart, QStringLiteral("2026"));
  TForm1* splash = frame_->splash();
  auto* dialog = new TCriacao(frame_.get());
  dialog->show();
  TForm2* texts = OpenTextsWindow(chart, QStringLiteral("7"));
  frame_->Fichario1Click();
  vorelim::RegisterList* list = frame_->registerWindow()->list();

  const struct {
    const char* what;
    QObject* object;
    const char* name;
    QObject* label;  // the label a field is tied to
  } rows[] = {
      {"chart window", chart, "Mapa de MARIA", nullptr},
      {"year box", chart->Edit1, "Ano dos trânsitos", nullptr},
      {"upper arrow", chart->UpDown1->upButton(), "Ano seguinte", nullptr},
      {"lower arrow", chart->UpDown1->downButton(), "Ano anterior", nullptr},
      {"birth date", chart->Panel1, "Nasceu em: 15/6/1975", nullptr},
      {"personality", chart->Panel2, "Personalidade: 7", nullptr},
      {"control", chart->Panel3, "Controle: 4", nullptr},
      {"tendency", chart->Panel4, "Tendência: 8", nullptr},
      {"era", chart->Panel12, "Era atual: 3", nullptr},
      {"drawing", chart->PaintBox1, "Estrela dos elementos", nullptr},
      {"transit grid", chart->StringGrid1, "Trânsitos do ano", nullptr},
      {"chart's context menu", chart->PopupMenu1, "Textos do mapa", nullptr},
      {"chart's file menu", chart->Arquivo1, "Arquivo", nullptr},
      {"menu bar", frame_->MainMenu1, "Barra de menus", nullptr},
      {"help menu", frame_->Ajuda1, "Ajuda", nullptr},
      {"clients menu", frame_->Clientes1, "Clientes", nullptr},
      {"window menu", frame_->Janela1, "Janela", nullptr},
      {"register's search box", list->searchBox(), "Procurar", nullptr},
      {"register's list", list->table(), "Mapas da pasta", nullptr},
      {"start button", frame_->Button1, "FAÇA SEU MAPA", nullptr},
      {"splash", splash, "Tela de abertura", nullptr},
      {"splash's child window", splash->SubWindow(), "Tela de abertura", nullptr},
      {"dialog's name", dialog->Edit1, "Nome", dialog->Label1},
      {"dialog's day", dialog->ListBox1, "Dia do Nascimento", dialog->Label4},
      {"dialog's month", dialog->ListBox2, "Mês do Nascimento", dialog->Label3},
      {"dialog's year", dialog->Edit2, "Ano de Nascimento", dialog->Label2},
      {"texts window", texts, "METAL 7", nullptr},
      {"texts window's text", texts->RichEdit(7), "Texto: METAL 7", nullptr},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    EXPECT_EQ(NameOf(row.object), QString::fromUtf8(row.name));
    if (row.label == nullptr) continue;
    // The label is told as the label of its field (its buddy).
    bool labels_it = false;
    for (const auto& [other, relation] :
         QAccessible::queryAccessibleInterface(row.label)->relations(QAccessible::Labelled)) {
      labels_it = labels_it || other->object() == row.object;
    }
    EXPECT_TRUE(labels_it);
  }

  for (QWidget* window : std::initializer_list<QWidget*>{
           texts, new vorelim::HelpWindow(frame_.get()), frame_->registerWindow()}) {
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window)->role(), QAccessible::Window)
        << window->objectName().toStdString();
  }

  // The register's list is a table whose columns are told by their headers.
  QAccessibleTableInterface* table =
      QAccessible::queryAccessibleInterface(list->table())->tableInterface();
  ASSERT_NE(table, nullptr);
  QAccessibleTableCellInterface* cell = table->cellAt(0, 1)->tableCellInterface();
  ASSERT_NE(cell, nullptr);
  // Qt's table view makes each header cell anew for the caller, who hands it back to be deleted.
  const QList<QAccessibleInterface*> headers = cell->columnHeaderCells();
  ASSERT_EQ(headers.size(), 1);
  EXPECT_EQ(headers.first()->text(QAccessible::Name), QStringLiteral("Nascimento"));
  for (QAccessibleInterface* header : headers) {
    QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(header));
  }

  // The text box gives its text to be read, not only its name.
  QAccessibleTextInterface* text =
      QAccessible::queryAccessibleInterface(texts->RichEdit(7))->textInterface();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->text(0, text->characterCount()), texts->RichEdit(7)->toPlainText());
}

// Every control the windows are built with has a name of its own: never none, never its
// designer name (a hidden era panel still holds the caption "Panel12" until the first "OK").
TEST_F(accessibility_test, no_control_is_nameless_or_named_as_designed) {
  TVemapa* chart = OpenMaria();
  ASSERT_EQ(chart->Panel12->text(), QStringLiteral("Panel12"));
  auto* dialog = new TCriacao(frame_.get());
  TForm2* texts = OpenTextsWindow(chart, QStringLiteral("c3"));
  TAboutBox* about = frame_->AboutBox;
  auto* help = new vorelim::HelpWindow(frame_.get());
  frame_->Fichario1Click();
  const std::vector<QWidget*> windows = {frame_.get(), dialog, texts,
                                         about,        help,   frame_->registerWindow()};
  for (QWidget* window : windows) {
    QList<QWidget*> controls = window->findChildren<QWidget*>();
    controls.prepend(window);
    for (QWidget* control : controls) {
      const QString designed = control->objectName();
      // Qt's own parts of its controls (viewports, scroll bar holders) are named by Qt.
      if (designed.isEmpty() || designed.startsWith(QLatin1String("qt_"))) continue;
      SCOPED_TRACE(designed.toStdString());
      const QString name = NameOf(control).trimmed();
      EXPECT_FALSE(name.isEmpty());
      EXPECT_FALSE(name.contains(designed)) << name.toStdString();
    }
  }
}

// What a screen reader follows from the keyboard: the texts window's caret and selection, and the
// help page's links, the first of which the first Tab into the page reaches.
TEST_F(accessibility_test, keyboard_caret_and_links_are_told) {
  TForm2* texts = OpenTextsWindow(OpenMaria(), QStringLiteral("7"));
  // The text takes a caret the arrows move, and Shift with them selects.
  QTextEdit* box = texts->RichEdit(texts->CurrentPage());
  QApplication::setActiveWindow(texts);
  box->setFocus();
  QAccessibleTextInterface* text = QAccessible::queryAccessibleInterface(box)->textInterface();
  ASSERT_EQ(text->cursorPosition(), 0);
  QTest::keyClick(box, Qt::Key_Down);
  EXPECT_GT(text->cursorPosition(), 0);
  QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(text->selectionCount(), 1);

  // The help page's links are links, and the first Tab into the page lands on the first one.
  auto* help = new vorelim::HelpWindow(frame_.get());
  ASSERT_TRUE(help->ShowContents(QStringLiteral(VORELIM_MANUAL_SOURCE_DIR "/index.html")));
  QApplication::setActiveWindow(help);
  QAccessibleInterface* page = QAccessible::queryAccessibleInterface(help->Browser);
  ASSERT_GT(page->childCount(), 1);
  QAccessibleInterface* first = page->child(0);
  EXPECT_EQ(first->role(), QAccessible::Link);
  EXPECT_FALSE(first->text(QAccessible::Name).isEmpty());
  help->ContentsButton->setFocus(Qt::TabFocusReason);
  help->Browser->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(page->focusChild(), first);
  EXPECT_TRUE(first->state().focused);
  QTest::keyClick(help->Browser, Qt::Key_Tab);
  EXPECT_EQ(page->focusChild(), page->child(1));
  const QString second_target = page->child(1)->hyperlinkInterface()->anchorTarget();
  QTest::keyClick(help->Browser, Qt::Key_Return);  // follows the link
  EXPECT_TRUE(help->Browser->source().toString().endsWith(second_target));
}

TEST_F(accessibility_test, drawing_describes_each_element_its_numbers_and_rings) {
  const struct {
    const char* name;
    std::vector<std::pair<int, int>> marks;   // (number, ring) marked 1
    std::vector<std::pair<int, int>> others;  // (number, ring) marked 2, which asks for nothing
    const char* description;
  } rows[] = {
      {"no ring",
       {},
       {},
       "ÁGUA 1: sem anel. TERRA 2, 5, 8: sem anel. MADEIRA 3, 4: sem anel. METAL 6, 7: sem anel. "
       "FOGO 9: sem anel."},
      {"ring 3 alone is one ring",
       {{1, 3}},
       {},
       "ÁGUA 1: 1 anel, dominante. TERRA 2, 5, 8: sem anel. MADEIRA 3, 4: sem anel. "
       "METAL 6, 7: sem anel. FOGO 9: sem anel."},
      {"two numbers of earth on ring 1 share it",
       {{2, 1}, {8, 1}},
       {},
       "ÁGUA 1: sem anel. TERRA 2, 5, 8: 1 anel, dominante. MADEIRA 3, 4: sem anel. "
       "METAL 6, 7: sem anel. FOGO 9: sem anel."},
      {"rings of different numbers add up",
       {{3, 1}, {3, 2}, {4, 1}, {6, 1}, {7, 2}, {7, 3}},
       {},
       "ÁGUA 1: sem anel. TERRA 2, 5, 8: sem anel. MADEIRA 3, 4: 2 anéis, dominante. "
       "METAL 6, 7: 3 anéis, dominante. FOGO 9: sem anel."},
      {"a mark other than 1 asks for no ring",
       {{5, 1}},
       {{9, 1}, {9, 2}},
       "ÁGUA 1: sem anel. TERRA 2, 5, 8: 1 anel, dominante. MADEIRA 3, 4: sem anel. "
       "METAL 6, 7: sem anel. FOGO 9: sem anel."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    vorelim::ChartRecord record = vorelim::test::ChartOf({});
    vorelim::ElementMarks marks{};
    for (const auto& [number, ring] : row.marks) marks[3 * (number - 1) + ring - 1] = 1;
    for (const auto& [number, ring] : row.others) marks[3 * (number - 1) + ring - 1] = 2;
    record.SetElements(marks);
    vorelim::test::WriteChart("RINGS.NUM", record);
    TVemapa* chart = frame_->OpenChartWindow(QStringLiteral("RINGS"));
    QAccessibleInterface* drawing = QAccessible::queryAccessibleInterface(chart->PaintBox1);
    EXPECT_EQ(drawing->role(), QAccessible::Graphic);
    EXPECT_EQ(drawing->text(QAccessible::Description), QString::fromUtf8(row.description));
  }
}

// The grid reads as a table whose rows of names (the year, the months) head the numbers below
// them, and whose year heads every row, once "OK" has shown it; a number reads with its name.
TEST_F(accessibility_test, transit_grid_is_a_table_of_its_cells_once_shown) {
  TVemapa* chart = OpenMaria();
  QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(chart->StringGrid1);
  QAccessibleTableInterface* table = grid->tableInterface();
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(grid->role(), QAccessible::Table);
  EXPECT_EQ(table->rowCount(), 0) << "no transits before OK";
  EXPECT_EQ(grid->childCount(), 0);

  ShowTransits(chart, QStringLiteral("2026"));
  // The year's name heads every row, each row of names the numbers below it.
  const QString year = QStringLiteral("Ano 2026");
  const char* const cells[4][8] = {
      {"Ano 2026", "", "Janeiro", "Fevereiro", "Março", "Abril", "Maio", "Junho"},
      {"Ano 2026, casa 2", "", "Janeiro, casa 3", "Fevereiro, casa 4", "Março, casa 5",
       "Abril, casa 6", "Maio, casa 7", "Junho, casa 8"},
      {"", "", "Julho", "Agosto", "Setembro", "Outubro", "Novembro", "Dezembro"},
      {"", "", "Julho, casa 9", "Agosto, casa 1", "Setembro, casa 2", "Outubro, casa 3",
       "Novembro, casa 4", "Dezembro, casa 5"},
  };
  ASSERT_EQ(table->rowCount(), 4);
  ASSERT_EQ(table->columnCount(), 8);
  ASSERT_EQ(grid->childCount(), 32);
  for (int row = 0; row < 4; ++row) {
    EXPECT_EQ(table->rowDescription(row), year);
    for (int column = 0; column < 8; ++column) {
      SCOPED_TRACE(testing::Message() << "row " << row << ", column " << column);
      QAccessibleInterface* cell = table->cellAt(row, column);
      ASSERT_NE(cell, nullptr);
      EXPECT_EQ(cell->role(), row % 2 == 0 ? QAccessible::ColumnHeader : QAccessible::Cell);
      EXPECT_EQ(cell->text(QAccessible::Name), QString::fromUtf8(cells[row][column]));
      EXPECT_EQ(cell->tableCellInterface()->rowIndex(), row);
      EXPECT_EQ(cell->tableCellInterface()->columnIndex(), column);
      const QList<QAccessibleInterface*> headers = cell->tableCellInterface()->columnHeaderCells();
      EXPECT_EQ(headers, row % 2 == 0
                             ? QList<QAccessibleInterface*>{}
                             : QList<QAccessibleInterface*>{table->cellAt(row - 1, column)});
      const QList<QAccessibleInterface*> row_headers = cell->tableCellInterface()->rowHeaderCells();
      if (row == 0 && column == 0) {
        EXPECT_TRUE(row_headers.isEmpty());
      } else {
        ASSERT_EQ(row_headers.size(), 1);
        EXPECT_EQ(row_headers.first()->text(QAccessible::Name), year);
      }
      EXPECT_EQ(grid->child(grid->indexOfChild(cell)), cell);
      EXPECT_EQ(cell->parent(), grid);
    }
  }

  chart->UpDown1->StepUp();  // a new year hides the transits until "OK"
  EXPECT_EQ(table->rowCount(), 0);
  EXPECT_EQ(grid->childCount(), 0);
}

}  // namespace
