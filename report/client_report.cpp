#include "report/client_report.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <string>

#include "texts/chart_page_keys.h"
#include "texts/text_catalogue.h"
#include "ui/designed_words.h"
#include "ui/fonts.h"
#include "ui/messages.h"

namespace vorelim {
namespace {

constexpr int kHeadingPoints = 14;
constexpr int kTitlePoints = 16;
constexpr int kTablePoints = 12;
constexpr int kFooterPoints = 9;

QString FromUtf8(const std::string& text) {
  return QString::fromStdString(text);
}

// The face of every printout, drawn without ligatures so the PDF holds the letters printed.
QFont ReportFont(int points, bool bold) {
  QFont font = PrintingFont(QFont(InstalledFamily(FaceName(Face::Rounded))));
  font.setPointSize(points);
  font.setBold(bold);
  return font;
}

// Multiply first, then divide, as every printout places its items.
int At(int size, int numerator, int denominator) {
  return static_cast<int>(static_cast<qint64>(size) * numerator / denominator);
}

// Draws `text` with its top-left corner at (x, y) in the painter's font.
void DrawAt(QPainter& painter, int x, int y, const QString& text) {
  painter.drawText(QPoint(x, y + QFontMetrics(painter.font(), painter.device()).ascent()), text);
}

// The headings of a text page, the last one just above the text's first line (7/64 of the height),
// two sixty-fourths apart.
void PaintHeadings(QPainter& painter, const QStringList& headings, int width, int height) {
  painter.setFont(ReportFont(kHeadingPoints, true));
  const int count = static_cast<int>(headings.size());
  for (int k = 0; k < count; ++k) {
    DrawAt(painter, At(width, 1, 8), At(height, 5 - 2 * (count - 1 - k), 64), headings[k]);
  }
}

// The footer of every page after the first: the client on the left, the date of the report in
// the middle, the page number on the right, drawn in that reading order.
void PaintFooter(QPainter& painter, const ClientReport& report, int page, int page_count, int width,
                 int height) {
  painter.setFont(ReportFont(kFooterPoints, false));
  const QFontMetrics metrics(painter.font(), painter.device());
  const int y = At(height, 61, 64);
  const QString number = QStringLiteral("página %1 de %2").arg(page + 1).arg(page_count);
  DrawAt(painter, At(width, 1, 8), y, report.client_line);
  DrawAt(painter, (width - metrics.horizontalAdvance(report.date_line)) / 2, y, report.date_line);
  DrawAt(painter, At(width, 7, 8) - metrics.horizontalAdvance(number), y, number);
}

// A table of two columns: its header in bold with a rule under it, then its rows.
int PaintTable(QPainter& painter, int top_row, const QString& first, const QString& second,
               const QList<TransitRow>& rows, int width, int height) {
  const int left = At(width, 1, 8);
  const int right = At(width, 3, 8);
  const auto row_y = [&](int row) { return At(height, 2 * row, 64); };
  painter.setFont(ReportFont(kTablePoints, true));
  DrawAt(painter, left, row_y(top_row), first);
  DrawAt(painter, right, row_y(top_row), second);
  const int rule_y = row_y(top_row) + QFontMetrics(painter.font(), painter.device()).height();
  // One pixel of a 96-dpi screen wide, on any device.
  painter.setPen(QPen(Qt::black, painter.device()->logicalDpiY() / 96.0));
  painter.drawLine(left, rule_y, At(width, 5, 8), rule_y);
  painter.setFont(ReportFont(kTablePoints, false));
  int row = top_row + 1;
  for (const TransitRow& entry : rows) {
    DrawAt(painter, left, row_y(row), entry.label);
    DrawAt(painter, right, row_y(row), entry.house);
    ++row;
  }
  return row;
}

void PaintTransits(QPainter& painter, const TransitsPage& transits, int width, int height) {
  painter.setFont(ReportFont(kTitlePoints, true));
  DrawAt(painter, At(width, 1, 8), At(height, 3, 64), transits.title);
  painter.setFont(ReportFont(kTablePoints, false));
  DrawAt(painter, At(width, 1, 8), At(height, 7, 64), QStringLiteral("ERA: ") + transits.era);
  const int next = PaintTable(painter, 5, QStringLiteral("ANO"), QStringLiteral("CASA"),
                              transits.years, width, height);
  PaintTable(painter, next + 1, QStringLiteral("MÊS"), QStringLiteral("CASA"), transits.months,
             width, height);
}

}  // namespace

QList<ReportText> ReportTexts(const ChartRecord& record, const ChartTransits& transits) {
  const struct {
    QString role;
    QString key;
  } openers[] = {
      {MeaningWord(Meaning::Personality), FromUtf8(record.Personality())},
      {MeaningWord(Meaning::Control), FromUtf8(record.Control())},
      {MeaningWord(Meaning::Tendency), FromUtf8(record.Tendency())},
      {MeaningWord(Meaning::Era), HousePageKey(FromUtf8(transits.era))},
      {QStringLiteral("Ano de ") + FromUtf8(transits.year_text),
       HousePageKey(FromUtf8(transits.year_number))},
  };
  QList<ReportText> texts;
  for (const auto& opener : openers) {
    const int index = PageIndexForKey(opener.key);
    // The introduction is what no number opens: a number the chart lacks.
    if (index == 0) continue;
    const QString heading = opener.role + QStringLiteral(": ") + TextCatalogue().at(index).caption;
    const QString key = TextCatalogue().at(index).page_key;
    auto same = std::find_if(texts.begin(), texts.end(),
                             [&key](const ReportText& text) { return text.page_key == key; });
    if (same != texts.end()) {
      same->headings.append(heading);
    } else {
      texts.append({{heading}, key});
    }
  }
  return texts;
}

TransitsPage ComposeTransitsPage(const ChartRecord& record, int year) {
  const ChartTransits transits = TransitsForYear(record, std::to_string(year));
  TransitsPage page;
  page.title = QStringLiteral("Trânsitos de ") + FromUtf8(transits.year_text);
  page.era = FromUtf8(transits.era);
  for (int offset = -1; offset <= 1; ++offset) {
    const ChartTransits other = TransitsForYear(record, std::to_string(transits.year + offset));
    // Before the birth year the year counts as the birth year itself: its row is there already.
    if (!page.years.isEmpty() && page.years.last().label == FromUtf8(other.year_text)) continue;
    page.years.append({FromUtf8(other.year_text), FromUtf8(other.year_number)});
  }
  for (int month = 1; month <= 12; ++month) {
    page.months.append(
        {FromUtf8(std::string(MonthName(month))), FromUtf8(transits.month_numbers[month - 1])});
  }
  return page;
}

ClientReport ComposeClientReport(const ChartRecord& record, const QString& chart_name, int year,
                                 CalendarDate today, const TextForKey& text_for_key) {
  const ChartTransits transits = TransitsForYear(record, std::to_string(year));
  ClientReport report;
  report.chart_name = chart_name;
  report.year_text = FromUtf8(transits.year_text);
  report.chart_sheet = ComposeChartPrintout(record, transits.year_text, today.month);
  for (const ReportText& text : ReportTexts(record, transits)) {
    report.texts.append({text.headings, text_for_key(text.page_key)});
  }
  report.transits = ComposeTransitsPage(record, year);
  report.client_line = FromUtf8(record.Name() + " - DATA NASC: " + record.BirthDate());
  report.date_line =
      QStringLiteral("Relatório de %1/%2/%3").arg(today.day).arg(today.month).arg(today.year);
  return report;
}

PagedPrintout ReportPrintout(const ClientReport& report) {
  // Which text and which of its sheets each page after the first shows.
  struct TextSheet {
    int text;
    int sheet;
  };
  QList<TextSheet> sheets;
  for (int t = 0; t < report.texts.size(); ++t) {
    for (int s = 0; s < TextSheetCount(report.texts[t].text); ++s) sheets.append({t, s});
  }
  PagedPrintout printout;
  printout.title = QStringLiteral("Relatório de %1 - %2").arg(report.chart_name, report.year_text);
  printout.author = ProgramTitle();
  printout.page_count = 2 + static_cast<int>(sheets.size());
  const int page_count = printout.page_count;
  printout.paint_page = [report, sheets, page_count](QPainter& painter, int page, int width,
                                                     int height) {
    if (page == 0) {
      PaintChartPrintout(painter, width, height, report.chart_sheet);
      return;
    }
    painter.setPen(QPen(Qt::black));
    painter.setBrush(Qt::NoBrush);
    if (page - 1 < sheets.size()) {
      const TextSheet& at = sheets[page - 1];
      const ReportTextPage& text = report.texts[at.text];
      PaintHeadings(painter, text.headings, width, height);
      PaintTextSheet(painter, text.text, at.sheet, width, height);
    } else {
      PaintTransits(painter, report.transits, width, height);
    }
    painter.setPen(QPen(Qt::black));
    PaintFooter(painter, report, page, page_count, width, height);
  };
  return printout;
}

PreviewDocument ReportPreviewDocument(const ClientReport& report,
                                      const std::filesystem::path& folder) {
  PreviewDocument document;
  document.printout = ReportPrintout(report);
  document.window_title = QStringLiteral("Relatório - ") + report.chart_name;
  document.pdf_file_name = QStringLiteral("%1 %2.pdf").arg(report.chart_name, report.year_text);
  document.folder = folder;
  return document;
}

}  // namespace vorelim
