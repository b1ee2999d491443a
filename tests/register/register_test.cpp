#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <filesystem>

#include "register/register_list.h"
#include "register/register_model.h"
#include "register/register_texts.h"
#include "register/register_window.h"
#include "support/charts.h"
#include "support/files.h"
#include "support/qt_support.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace vorelim {
namespace {

using test::ChartOf;
using test::TempFolder;
using test::WriteChart;

// Charts whose orders differ in every column.
void WriteSampleCharts() {
  // Each row: the file; the name, the date, the personality, control and tendency.
  test::WriteCharts({
      {"MARIA.NUM", {}},  // 15/6/1975, 7 4 8
      {"Álvaro.NUM", {"Álvaro", "2", "10", "1975", "7", "9", "1"}},
      {"bruno.num", {"bruno", "30", "12", "2001", "1", "2", "3"}},
      {"ZECA.NUM", {"ZECA", "1", "1", "800", "5", "6", "9"}},
  });
}

// The bytes of a chart file's path in the folder, as the register gives chosen files.
QByteArrayList Files(const TempFolder& folder, const char* name) {
  return {QByteArray::fromStdString((folder.path() / name).native())};
}

QStringList Column(const RegisterModel& model, int column) {
  QStringList texts;
  for (int row = 0; row < model.rowCount(); ++row) {
    texts << model.index(row, column).data().toString();
  }
  return texts;
}

TEST(register_model_test, sorts_names_without_accents_dates_by_date_and_numbers_as_numbers) {
  TempFolder folder;
  WriteSampleCharts();
  RegisterModel model;
  model.SetEntries(ReadChartFolder(folder.path()).entries);
  const struct {
    const char* row;
    int column;
    Qt::SortOrder order;
    const char* names;  // the names shown, top to bottom
  } rows[] = {
      {"names, accents and case ignored", RegisterModel::NameColumn, Qt::AscendingOrder,
       "Álvaro bruno MARIA ZECA"},
      {"dates by year, month, day (year 800 first)", RegisterModel::BirthColumn, Qt::AscendingOrder,
       "ZECA MARIA Álvaro bruno"},
      {"personality, equal ones by name", RegisterModel::PersonalityColumn, Qt::AscendingOrder,
       "bruno ZECA Álvaro MARIA"},
      {"control", RegisterModel::ControlColumn, Qt::DescendingOrder, "Álvaro ZECA MARIA bruno"},
      {"tendency", RegisterModel::TendencyColumn, Qt::AscendingOrder, "Álvaro bruno MARIA ZECA"},
  };
  for (const auto& row : rows) {
    model.sort(row.column, row.order);
    EXPECT_EQ(Column(model, RegisterModel::NameColumn).join(' '), QString::fromUtf8(row.names))
        << row.row;
  }
  model.sort(RegisterModel::NameColumn);
  EXPECT_EQ(Column(model, RegisterModel::BirthColumn),
            (QStringList{"2/10/1975", "30/12/2001", "15/6/1975", "1/1/800"}));
}

TEST(register_list_test, finds_from_the_keyboard_and_chooses_with_enter) {
  TempFolder folder;
  WriteSampleCharts();
  WriteChart("JO\xC3O.NUM", ChartOf({.name = "JOÃO"}));  // a name that is not UTF-8
  test::WriteFileBytes("CURTO.NUM", "abc");
  fs::create_directory("X.NUM");
  RegisterWindow window;
  window.SetFolder(folder.path());
  window.ShowAndFocus();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  RegisterList& list = *window.list();
  EXPECT_TRUE(list.searchBox()->hasFocus());
  EXPECT_EQ(list.status()->text(),
            "5 de 5 mapas. Não são mapas: CURTO.NUM (curto demais: 3 bytes), X.NUM (é uma pasta).");
  QSignalSpy opened(&window, &RegisterWindow::OpenRequested);

  // Two words: the date and a number; Enter in the box opens the first row shown.
  QTest::keyClicks(list.searchBox(), "15/6 p7");
  EXPECT_EQ(list.status()->text().left(13), "2 de 5 mapas.");
  QTest::keyClick(list.searchBox(), Qt::Key_Return);
  ASSERT_EQ(opened.size(), 1);
  EXPECT_EQ(opened.takeFirst().at(0).value<QByteArrayList>(), Files(folder, "JO\xC3O.NUM"));
  EXPECT_EQ(list.model()->index(0, RegisterModel::FileColumn).data().toString(),
            QStringLiteral("JO\uFFFDO.NUM"));

  // Down into the list, Down to the second row, Enter opens it.
  QTest::keyClick(list.searchBox(), Qt::Key_Down);
  EXPECT_TRUE(list.table()->hasFocus());
  QTest::keyClick(list.table(), Qt::Key_Down);
  QTest::keyClick(list.table(), Qt::Key_Return);
  ASSERT_EQ(opened.size(), 1);
  EXPECT_EQ(opened.takeFirst().at(0).value<QByteArrayList>(), Files(folder, "MARIA.NUM"));

  // Ctrl+2 sorts by birth date; Esc empties the box, then closes the window.
  QTest::keyClick(list.table(), Qt::Key_2, Qt::ControlModifier);
  EXPECT_EQ(list.model()->sortColumn(), RegisterModel::BirthColumn);
  QTest::keyClick(list.table(), Qt::Key_Escape);
  EXPECT_TRUE(list.searchBox()->text().isEmpty());
  EXPECT_TRUE(list.searchBox()->hasFocus());
  EXPECT_TRUE(window.isVisible());
  QTest::keyClick(list.searchBox(), Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
}

TEST(register_list_test, follows_the_folder_keeping_the_search_and_the_selection) {
  TempFolder folder;
  WriteSampleCharts();
  RegisterList list;
  list.SetFolder(folder.path());
  list.show();
  QTest::keyClicks(list.searchBox(), "1975");
  ASSERT_EQ(list.model()->rowCount(), 2);  // Álvaro, MARIA
  list.table()->selectRow(1);
  QSignalSpy reloaded(&list, &RegisterList::Reloaded);

  // Another program adds a chart of 1975, replaces MARIA's with a chart of 1980 and removes
  // Álvaro's.
  WriteChart("ANA.NUM", ChartOf({.name = "ANA", .year = "1975"}));
  ASSERT_TRUE(reloaded.wait(1000));
  EXPECT_EQ(Column(*list.model(), RegisterModel::NameColumn),
            (QStringList{"Álvaro", "ANA", "MARIA"}));
  EXPECT_EQ(list.SelectedFiles(), Files(folder, "MARIA.NUM"));
  WriteChart("MARIA.NUM.tmp", ChartOf({.year = "1980"}));
  fs::rename("MARIA.NUM.tmp", "MARIA.NUM");
  fs::remove("Álvaro.NUM");
  // Within a second of the last change (the removal may come as a reading of its own).
  QElapsedTimer since_change;
  since_change.start();
  ASSERT_TRUE(QTest::qWaitFor([&] { return list.model()->totalCount() == 4; }, 2000));
  EXPECT_LT(since_change.elapsed(), 1000);
  EXPECT_EQ(list.searchBox()->text(), "1975");
  EXPECT_EQ(Column(*list.model(), RegisterModel::NameColumn), QStringList{"ANA"});
  EXPECT_EQ(list.status()->text(), "1 de 4 mapas");

  // A file manager copying over a chart writes it in place, under the same name.
  test::WriteFileBytes("bruno.num", test::BytesOf(ChartOf({.name = "bruno", .year = "1975"})));
  ASSERT_TRUE(reloaded.wait(1000));
  EXPECT_EQ(Column(*list.model(), RegisterModel::NameColumn), (QStringList{"ANA", "bruno"}));
}

TEST(register_export_test, writes_the_rows_shown_for_a_spreadsheet) {
  const struct {
    const char* text;
    const char* field;
  } fields[] = {
      {"MARIA", "MARIA"},   {"A;B", "\"A;B\""}, {"O \"ZÉ\"", "\"O \"\"ZÉ\"\"\""},
      {" ANA", "\" ANA\""}, {"", ""},
  };
  for (const auto& row : fields) {
    EXPECT_EQ(CsvField(QString::fromUtf8(row.text)), QString::fromUtf8(row.field)) << row.text;
  }

  TempFolder folder;
  WriteSampleCharts();
  RegisterWindow window;
  window.SetFolder(folder.path());
  QTest::keyClicks(window.list()->searchBox(), "t1");
  ASSERT_TRUE(window.ExportList("lista.csv"));
  EXPECT_EQ(test::ReadFileBytes("lista.csv"),
            "\xEF\xBB\xBF"
            "Nome;Nascimento;Personalidade;Controle;Tendência;Arquivo\r\n"
            "Álvaro;2/10/1975;7;9;1;Álvaro.NUM\r\n");
  test::WarningCapture warnings;
  EXPECT_FALSE(window.ExportList("nenhuma/lista.csv"));
  ASSERT_EQ(warnings.texts().size(), 1);
  EXPECT_TRUE(warnings.texts().front().startsWith("A lista não foi gravada em "))
      << warnings.texts().front().toStdString();
}

}  // namespace
}  // namespace vorelim
