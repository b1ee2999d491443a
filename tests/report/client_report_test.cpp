#include "report/client_report.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "chart/numerology.h"
#include "report/report_preview.h"
#include "support/charts.h"
#include "support/qt_support.h"
#include "texts/text_catalogue.h"

namespace vorelim {
namespace {

QStringList Words(const QString& text) {
  static const QRegularExpression blanks(QStringLiteral("\\s+"));
  return text.split(blanks, Qt::SkipEmptyParts);
}

// What pdfinfo reads as `field` ("Title", "Author", "Pages").
QString PdfInfo(const QString& path, const QString& field) {
  QProcess process;
  process.start(QStringLiteral("pdfinfo"), {path});
  if (!process.waitForFinished(30000)) return {};
  for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n')) {
    if (line.startsWith(field + QLatin1Char(':'))) return line.mid(field.size() + 1).trimmed();
  }
  return {};
}

// A text page: its headings, then its text as the texts window prints it, then the footer.
struct TextPageRow {
  const char* name;
  QStringList headings;
  QString page_key;
};

TEST(client_report_test, report_of_maria_for_2027_read_back_from_its_pdf) {
  if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
      QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty()) {
    GTEST_SKIP() << "pdftotext and pdfinfo (poppler-utils) are not installed";
  }
  SetTodayForTesting(CalendarDate{2026, 12, 9});
  const ChartRecord maria = test::ChartFor("MARIA", 15, 6, 1975);
  const ClientReport report =
      ComposeClientReport(maria, QStringLiteral("MARIA"), 2027, Today(), DesignedTextPrintouts());
  SetTodayForTesting(std::nullopt);

  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("MARIA 2027.pdf"));
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(PdfDocument(ReportPrintout(report),
                           QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}), 1200));
  }
  EXPECT_EQ(PdfInfo(path, QStringLiteral("Title")), QStringLiteral("Relatório de MARIA - 2027"));
  EXPECT_EQ(PdfInfo(path, QStringLiteral("Author")), QStringLiteral("MAPA DO VORELIM"));

  // The era and the year's house by the core's own rules, and the texts they open.
  const std::string era = EraNumber("7", 2027, 1975);
  const std::string year_house = YearTransits("2027", "15", "6", "1975")[1];
  std::vector<TextPageRow> text_pages = {
      {"personality", {QStringLiteral("Personalidade: METAL 7")}, QStringLiteral("7")},
      {"control", {QStringLiteral("Controle: MADEIRA 4")}, QStringLiteral("4")},
      {"tendency", {QStringLiteral("Tendência: TERRA 8")}, QStringLiteral("8")},
  };
  const QString era_heading = QStringLiteral("Era: CASA %1").arg(QString::fromStdString(era));
  const QString year_heading =
      QStringLiteral("Ano de 2027: CASA %1").arg(QString::fromStdString(year_house));
  if (era == year_house) {
    text_pages.push_back(
        {"era and year", {era_heading, year_heading}, "c" + QString::fromStdString(era)});
  } else {
    text_pages.push_back({"era", {era_heading}, "c" + QString::fromStdString(era)});
    text_pages.push_back({"year", {year_heading}, "c" + QString::fromStdString(year_house)});
  }
  const int page_count = 2 + static_cast<int>(text_pages.size());

  const QStringList pages =
      test::PdfText(path).value_or(QString()).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
  ASSERT_EQ(pages.size(), page_count);
  EXPECT_EQ(test::LigaturesIn(pages.join(QString())), QString());
  const auto footer = [&](int page) {
    return Words(
        QStringLiteral("MARIA - DATA NASC: 15/6/1975 Relatório de 9/12/2026 página %1 de %2")
            .arg(page)
            .arg(page_count));
  };

  // Page 1: the chart sheet, without a footer.
  EXPECT_TRUE(pages[0].contains(QStringLiteral("ESTRELA DOS CINCO ELEMENTOS")));
  EXPECT_TRUE(
      pages[0].contains(QStringLiteral("CASA 2027: ") + QString::fromStdString(year_house)));
  EXPECT_FALSE(pages[0].contains(QStringLiteral("página")));

  // The text pages, in reading order: headings, the text as stored (the designed width shows the
  // stored lines unwrapped), the footer.
  for (std::size_t t = 0; t < text_pages.size(); ++t) {
    const TextPageRow& row = text_pages[t];
    SCOPED_TRACE(row.name);
    const int page = static_cast<int>(t) + 2;
    QStringList expected = Words(row.headings.join(QLatin1Char(' ')));
    expected +=
        Words(TextCatalogue().at(PageIndexForKey(row.page_key)).lines.join(QLatin1Char(' ')));
    expected += footer(page);
    EXPECT_EQ(Words(pages[page - 1]), expected);
  }

  // The transits page: the era, the houses of 2026 to 2028 and of the twelve months.
  const std::array<int, 12> months = MonthTransits(2027, "7");
  QString transits =
      QStringLiteral("Trânsitos de 2027 ERA: %1 ANO CASA").arg(QString::fromStdString(era));
  for (int year = 2026; year <= 2028; ++year) {
    transits += QStringLiteral(" %1 %2").arg(year).arg(
        QString::fromStdString(YearTransits(std::to_string(year), "15", "6", "1975")[1]));
  }
  transits += QStringLiteral(" MÊS CASA");
  static const char* const kMonths[] = {"JANEIRO",  "FEVEREIRO", "MARÇO",    "ABRIL",
                                        "MAIO",     "JUNHO",     "JULHO",    "AGOSTO",
                                        "SETEMBRO", "OUTUBRO",   "NOVEMBRO", "DEZEMBRO"};
  for (int m = 0; m < 12; ++m) {
    transits += QStringLiteral(" %1 %2").arg(QString::fromUtf8(kMonths[m])).arg(months[m]);
  }
  EXPECT_EQ(Words(pages.last()), Words(transits) + footer(page_count));
}

struct ReportTextsRow {
  const char* name;
  test::ChartTexts chart;
  const char* era;
  const char* year_house;
  QList<ReportText> expected;
};

// Which texts a chart opens, beyond MARIA's (whose era and house of 2027 share a text).
TEST(client_report_test, report_texts_each_once_in_the_order_of_their_numbers) {
  const ReportTextsRow rows[] = {
      {"personality and control share a number",
       {.personality = "7", .control = "7", .tendency = "5"},
       "2",
       "9",
       {{{"Personalidade: METAL 7", "Controle: METAL 7"}, "7"},
        {{"Tendência: TERRA 5"}, "5"},
        {{"Era: CASA 2"}, "c2"},
        {{"Ano de 2027: CASA 9"}, "c9"}}},
      {"a number the chart lacks opens nothing",
       {.personality = "", .control = "4", .tendency = "8"},
       "",
       "1",
       {{{"Controle: MADEIRA 4"}, "4"},
        {{"Tendência: TERRA 8"}, "8"},
        {{"Ano de 2027: CASA 1"}, "c1"}}},
  };
  for (const ReportTextsRow& row : rows) {
    SCOPED_TRACE(row.name);
    ChartTransits transits;
    transits.year_text = "2027";
    transits.era = row.era;
    transits.year_number = row.year_house;
    const QList<ReportText> texts = ReportTexts(test::ChartOf(row.chart), transits);
    ASSERT_EQ(texts.size(), row.expected.size());
    for (qsizetype i = 0; i < texts.size(); ++i) {
      EXPECT_EQ(texts[i].headings, row.expected[i].headings);
      EXPECT_EQ(texts[i].page_key, row.expected[i].page_key);
    }
  }
}

}  // namespace
}  // namespace vorelim
