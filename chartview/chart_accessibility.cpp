#include "chartview/chart_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QMenu>
#include <QPushButton>
#include <QStringList>
#include <QToolButton>
#include <algorithm>
#include <array>

#include "chartview/element_description.h"
#include "chartview/paint_box.h"
#include "chartview/transit_grid.h"
#include "chartview/transit_grid_accessible.h"
#include "chartview/tvemapa.h"
#include "ui/accessible_names.h"
#include "ui/controls.h"
#include "ui/designed_words.h"

namespace vorelim {
namespace {

// What each value panel stands for; a screen reader reads it before the value.
struct PanelMeaning {
  const char* panel;
  QString meaning;
};
const std::array<PanelMeaning, 5>& PanelMeanings() {
  static const std::array<PanelMeaning, 5> meanings = {{
      {"Panel1", QStringLiteral("Nasceu em")},
      {"Panel2", MeaningWord(Meaning::Personality)},
      {"Panel3", MeaningWord(Meaning::Control)},
      {"Panel4", MeaningWord(Meaning::Tendency)},
      {"Panel12", CurrentEraWords()},
  }};
  return meanings;
}

TVemapa* ChartOf(const QObject* control) {
  return control != nullptr ? qobject_cast<TVemapa*>(control->parent()) : nullptr;
}

// "Mapa de MARIA": the chart window itself, named after its chart.
class ChartWindowAccessible : public QAccessibleWidget {
 public:
  explicit ChartWindowAccessible(TVemapa* chart) : QAccessibleWidget(chart, QAccessible::Client) {}
  QString text(QAccessible::Text type) const override {
    if (type == QAccessible::Name && widget()->accessibleName().isEmpty()) {
      const QString& name = static_cast<TVemapa*>(widget())->ChartName;
      return name.isEmpty() ? QStringLiteral("Mapa") : QStringLiteral("Mapa de ") + name;
    }
    return QAccessibleWidget::text(type);
  }
};

// A value panel reads "<meaning>: <value>". Hidden, or before its value is known, it reads its
// meaning alone, never the caption it was designed with.
class ValuePanelAccessible : public QAccessibleWidget {
 public:
  ValuePanelAccessible(BevelPanel* panel, const QString& meaning)
      : QAccessibleWidget(panel, QAccessible::StaticText), meaning_(meaning) {}
  QString text(QAccessible::Text type) const override {
    if (type != QAccessible::Name) return QAccessibleWidget::text(type);
    const auto* panel = static_cast<BevelPanel*>(widget());
    const QString value = panel->text();
    if (panel->isHidden() || value.isEmpty() || value == panel->objectName()) return meaning_;
    return meaning_ + QStringLiteral(": ") + value;
  }

 private:
  QString meaning_;
};

// The drawing: a picture whose description tells what it shows of the window's chart.
class DrawingAccessible : public QAccessibleWidget {
 public:
  explicit DrawingAccessible(PaintBox* box) : QAccessibleWidget(box, QAccessible::Graphic) {}
  QString text(QAccessible::Text type) const override {
    if (type == QAccessible::Description) {
      if (const TVemapa* chart = ChartOf(widget())) {
        return ElementDrawingDescription(chart->Chart.Elements());
      }
    }
    return QAccessibleWidget::text(type);
  }
};

QAccessibleInterface* ChartWindowInterfaces(const QString& class_name, QObject* object) {
  if (object == nullptr || !object->isWidgetType()) return nullptr;
  if (class_name == QLatin1String("TVemapa")) {
    return new ChartWindowAccessible(static_cast<TVemapa*>(object));
  }
  if (class_name == QLatin1String("vorelim::TransitGrid")) {
    return new TransitGridAccessible(static_cast<TransitGrid*>(object));
  }
  if (ChartOf(object) == nullptr) return nullptr;
  if (class_name == QLatin1String("vorelim::PaintBox")) {
    return new DrawingAccessible(static_cast<PaintBox*>(object));
  }
  if (class_name == QLatin1String("vorelim::BevelPanel")) {
    for (const PanelMeaning& entry : PanelMeanings()) {
      if (object->objectName() == QLatin1String(entry.panel)) {
        return new ValuePanelAccessible(static_cast<BevelPanel*>(object), entry.meaning);
      }
    }
  }
  return nullptr;
}

}  // namespace

void InstallChartWindowInterfaces() {
  static const bool installed = [] {
    QAccessible::installFactory(ChartWindowInterfaces);
    return true;
  }();
  (void)installed;
}

void NameChartWindow(TVemapa& chart) {
  chart.Edit1->setAccessibleName(QStringLiteral("Ano dos trânsitos"));
  chart.UpDown1->setAccessibleName(QStringLiteral("Setas do ano"));
  chart.UpDown1->upButton()->setAccessibleName(QStringLiteral("Ano seguinte"));
  chart.UpDown1->downButton()->setAccessibleName(QStringLiteral("Ano anterior"));
  chart.Button1->setAccessibleDescription(QStringLiteral("Mostra os trânsitos do ano"));
  chart.PaintBox1->setAccessibleName(QStringLiteral("Estrela dos elementos"));
  chart.StringGrid1->setAccessibleName(QStringLiteral("Trânsitos do ano"));
  chart.MainMenu1->setAccessibleName(QStringLiteral("Menu do mapa"));
  chart.PopupMenu1->setAccessibleName(QStringLiteral("Textos do mapa"));
  NameMenus(chart);
}

}  // namespace vorelim
