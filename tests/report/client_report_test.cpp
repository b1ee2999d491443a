// The client report of MARIA (15/6/1975) for 2027 written as a PDF file and read back page by
// page, and which texts a chart's report opens.
#include "report/client_report.h"

#include <QPageLayout>
#include <QPageSize>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "chart/numerology.h"
#include "report/report_preview.h"
#include "support/charts.h"
#include "support/qt_support.h"
#include "texts/text_catalogue.h"
#include "ui/print_preview.h"

namespace vorelim {
namespace {

TEST(client_report_test, report_of_maria_for_2027_read_back_from_its_pdf) {
  SetTodayForTesting(CalendarDate{2026, 12, 9});
  const ClientReport report =
      ComposeClientReport(test::ChartFor("MARIA", 15, 6, 1975), QStringLiteral("MARIA"), 2027,
                          Today(), DesignedTextPrintouts());
  SetTodayForTesting(std::nullopt);
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("MARIA 2027.pdf"));
  ASSERT_EQ(WritePdfFile(
                path, PdfDocument(ReportPrintout(report),
                                  QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}),
                                  1200)),
            QString());
  const std::optional<QString> text = test::PdfText(path);
  if (!text) GTEST_SKIP() << "pdftotext is not installed";
  EXPECT_EQ(test::LigaturesIn(*text), QString());
  QProcess pdfinfo;
  pdfinfo.start(QStringLiteral("pdfinfo"), {path});
  ASSERT_TRUE(pdfinfo.waitForFinished(30000));
  const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput()).simplified();
  EXPECT_TRUE(info.contains(QStringLiteral("Title: Relatório de MARIA - 2027 ")))
      << info.toStdString();
  EXPECT_TRUE(info.contains(QStringLiteral("Author: MAPA DO VORELIM "))) << info.toStdString();
  const QStringList pages = text->split(QLatin1Char('\f'), Qt::SkipEmptyParts);
  ASSERT_EQ(pages.size(), 6);

  // Her era and house of 2027, by the core's own rules, are one house: they share a text page.
  const QString era = QString::fromStdString(EraNumber("7", 2027, 1975));
  ASSERT_EQ(era.toStdString(), YearTransits("2027", "15", "6", "1975")[1]);
  const auto footer = [](int page) {
    return QStringLiteral(" MARIA - DATA NASC: 15/6/1975 Relatório de 9/12/2026 página %1 de 6")
        .arg(page);
  };

  // Page 1: the chart sheet, without a footer.
  EXPECT_TRUE(pages[0].contains(QStringLiteral("ESTRELA DOS CINCO ELEMENTOS")));
  EXPECT_TRUE(pages[0].contains(QStringLiteral("CASA 2027: ") + era));
  EXPECT_FALSE(pages[0].contains(QStringLiteral("página")));

  // The text pages: headings, the text as stored (the designed width shows the stored lines
  // unwrapped), the footer.
  const std::pair<QString, QString> text_pages[] = {
      {QStringLiteral("Personalidade: METAL 7"), QStringLiteral("7")},
      {QStringLiteral("Controle: MADEIRA 4"), QStringLiteral("4")},
      {QStringLiteral("Tendência: TERRA 8"), QStringLiteral("8")},
      {QStringLiteral("Era: CASA %1 Ano de 2027: CASA %1").arg(era), QStringLiteral("c") + era}};
  for (int t = 0; t < 4; ++t) {
    const auto& [headings, key] = text_pages[t];
    SCOPED_TRACE(headings.toStdString());
    const QString body = TextCatalogue().at(PageIndexForKey(key)).lines.join(QLatin1Char(' '));
    EXPECT_EQ(pages[t + 1].simplified(),
              (headings + QLatin1Char(' ') + body + footer(t + 2)).simplified());
  }

  // The transits page: the era, the houses of 2026 to 2028 and of the twelve months.
  QString transits = QStringLiteral("Trânsitos de 2027 ERA: %1 ANO CASA").arg(era);
  for (int year = 2026; year <= 2028; ++year) {
    transits += QStringLiteral(" %1 %2").arg(year).arg(
        QString::fromStdString(YearTransits(std::to_string(year), "15", "6", "1975")[1]));
  }
  transits += QStringLiteral(" MÊS CASA");
  const QStringList months = QStringLiteral(
                                 "JANEIRO FEVEREIRO MARÇO ABRIL MAIO JUNHO JULHO AGOSTO SETEMBRO "
                                 "OUTUBRO NOVEMBRO DEZEMBRO")
                                 .split(QLatin1Char(' '));
  const std::array<int, 12> houses = MonthTransits(2027, "7");
  for (int m = 0; m < 12; ++m) transits += QStringLiteral(" %1 %2").arg(months[m]).arg(houses[m]);
  EXPECT_EQ(pages[5].simplified(), transits + footer(6));
}

// Which texts a chart opens, beyond MARIA's: each once, in the order of their numbers. Expected as
// "headings + headings -> page; ...".
TEST(client_report_test, report_texts_each_once_in_the_order_of_their_numbers) {
  const struct {
    const char* name;
    test::ChartTexts chart;
    const char* era;
    const char* year_house;
    const char* expected;
  } rows[] = {
      {"personality and control share a number",
       {.personality = "7", .control = "7", .tendency = "5"},
       "2",
       "9",
       "Personalidade: METAL 7 + Controle: METAL 7 -> 7; Tendência: TERRA 5 -> 5; "
       "Era: CASA 2 -> c2; Ano de 2027: CASA 9 -> c9"},
      {"a number the chart lacks opens nothing",
       {.personality = "", .control = "4", .tendency = "8"},
       "",
       "1",
       "Controle: MADEIRA 4 -> 4; Tendência: TERRA 8 -> 8; Ano de 2027: CASA 1 -> c1"},
  };
  for (const auto& row : rows) {
    ChartTransits transits;
    transits.year_text = "2027";
    transits.era = row.era;
    transits.year_number = row.year_house;
    QStringList texts;
    for (const ReportText& text : ReportTexts(test::ChartOf(row.chart), transits)) {
      texts << text.headings.join(QStringLiteral(" + ")) + QStringLiteral(" -> ") + text.page_key;
    }
    EXPECT_EQ(texts.join(QStringLiteral("; ")), QString::fromUtf8(row.expected)) << row.name;
  }
}

}  // namespace
}  // namespace vorelim
