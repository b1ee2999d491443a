#include "chartview/chart_context_menu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QShortcut>

#include "chart/transit_texts.h"
#include "chartview/transit_grid.h"
#include "chartview/tvemapa.h"
#include "texts/chart_page_keys.h"
#include "texts/tform2.h"
#include "ui/controls.h"
#include "ui/designed_words.h"

namespace vorelim {
namespace {

// The caption of a meaning's entry: its shortcut letter is its first.
QString Caption(const QString& meaning) {
  return QStringLiteral("&") + meaning;
}

// "<meaning>: <value>", or the meaning alone (and disabled) when the value is empty.
ChartMenuEntry Entry(const QString& meaning, const QString& value, const QString& page_key) {
  if (value.isEmpty()) return {.caption = meaning, .page_key = page_key, .enabled = false};
  return {.caption = meaning + QStringLiteral(": ") + value, .page_key = page_key};
}

ChartMenuEntry HouseEntry(const QString& meaning, const QString& house, const QString& page_key) {
  return Entry(meaning, house.isEmpty() ? QString() : QStringLiteral("casa ") + house, page_key);
}

}  // namespace

std::vector<ChartMenuEntry> ChartMenuEntries(const TVemapa& chart) {
  // The numbers' page keys are their panels' captions, as the panels' double-clicks take them.
  std::vector<ChartMenuEntry> entries = {
      Entry(Caption(MeaningWord(Meaning::Personality)), chart.Panel2->text(), chart.Panel2->text()),
      Entry(Caption(MeaningWord(Meaning::Control)), chart.Panel3->text(), chart.Panel3->text()),
      Entry(Caption(MeaningWord(Meaning::Tendency)), chart.Panel4->text(), chart.Panel4->text()),
  };
  // The era and the grid can be double-clicked only while the transits are shown.
  if (!chart.StringGrid1->isVisibleTo(&chart)) return entries;

  const QString era = chart.Panel12->text();
  entries.push_back(HouseEntry(Caption(CurrentEraWords()), era, HousePageKey(era)));
  entries.back().starts_group = true;

  // The year's and each month's entry open what a double-click on their grid cells opens.
  entries.push_back(HouseEntry(QStringLiteral("&Ano ") + chart.TransitYear, chart.YearNumber,
                               GridPageKey(0, 0, chart.YearNumber, chart.MonthNumbers)));
  for (int month = 0; month < 12; ++month) {
    const TransitMonthPlace place = TransitMonthCell(month);
    const QString house =
        GridCellNumber(place.column, place.label_row, chart.YearNumber, chart.MonthNumbers);
    entries.push_back(HouseEntry(
        WithCapitalInitial(MonthWord(month + 1)), house,
        GridPageKey(place.column, place.label_row, chart.YearNumber, chart.MonthNumbers)));
  }
  return entries;
}

void InstallChartContextMenu(TVemapa& chart) {
  // The year box is read-only: its editing menu would offer nothing the chart menu lacks but Copy.
  chart.Edit1->setContextMenuPolicy(Qt::NoContextMenu);

  // The platform turns the Menu key into a context menu request; Shift+F10 is ours to handle.
  auto* shift_f10 = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), &chart);
  shift_f10->setObjectName(QStringLiteral("ContextMenuKey"));
  shift_f10->setContext(Qt::WidgetWithChildrenShortcut);
  QObject::connect(shift_f10, &QShortcut::activated, &chart, [&chart] {
    const QWidget* focus = chart.focusWidget();
    const QWidget* at = focus != nullptr ? focus : &chart;
    PopUpChartContextMenu(chart, at->mapToGlobal(at->rect().center()), true);
  });
}

void PopUpChartContextMenu(TVemapa& chart, const QPoint& global_position, bool from_keyboard) {
  QMenu* menu = chart.PopupMenu1;
  menu->hide();
  menu->clear();
  QAction* first_enabled = nullptr;
  for (const ChartMenuEntry& entry : ChartMenuEntries(chart)) {
    if (entry.starts_group) menu->addSeparator();
    QAction* action = menu->addAction(entry.caption);
    action->setEnabled(entry.enabled);
    if (entry.enabled && first_enabled == nullptr) first_enabled = action;
    QObject::connect(action, &QAction::triggered, &chart,
                     [&chart, key = entry.page_key] { OpenTextsWindow(&chart, key); });
  }
  menu->popup(global_position);
  if (from_keyboard && first_enabled != nullptr) menu->setActiveAction(first_enabled);
}

}  // namespace vorelim
