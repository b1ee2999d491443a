#include "chartview/chart_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <array>

#include "chart/text_number.h"
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

constexpr char kTransitsNewsName[] = "TransitsNews";

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

// The year box: a spin button over the years its arrows reach, whose value is the year shown.
class YearBoxAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit YearBoxAccessible(YearEdit* box) : QAccessibleWidget(box, QAccessible::SpinBox) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text type) const override {
    if (type == QAccessible::Value) return static_cast<YearEdit*>(widget())->text();
    return QAccessibleWidget::text(type);
  }

  QVariant currentValue() const override {
    const UpDown* arrows = Arrows();
    return arrows != nullptr ? arrows->position() : QVariant();
  }
  void setCurrentValue(const QVariant& value) override {
    if (UpDown* arrows = Arrows()) arrows->SetPosition(value.toInt());
  }
  QVariant maximumValue() const override {
    const UpDown* arrows = Arrows();
    return arrows != nullptr ? arrows->maximum() : QVariant();
  }
  QVariant minimumValue() const override {
    const UpDown* arrows = Arrows();
    return arrows != nullptr ? arrows->minimum() : QVariant();
  }
  QVariant minimumStepSize() const override { return 1; }

 private:
  UpDown* Arrows() const {
    const TVemapa* chart = ChartOf(widget());
    return chart != nullptr ? chart->UpDown1 : nullptr;
  }
};

// What "OK" found, told once as it shows: a notification that has no place on the screen.
class TransitsNewsAccessible : public QAccessibleWidget {
 public:
  explicit TransitsNewsAccessible(QWidget* news)
      : QAccessibleWidget(news, QAccessible::Notification) {}
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
  if (class_name == QLatin1String("vorelim::YearEdit")) {
    return new YearBoxAccessible(static_cast<YearEdit*>(object));
  }
  if (class_name == QLatin1String("QWidget") &&
      object->objectName() == QLatin1String(kTransitsNewsName)) {
    return new TransitsNewsAccessible(static_cast<QWidget*>(object));
  }
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
  // Qt adds a factory once, however often it is asked.
  QAccessible::installFactory(ChartWindowInterfaces);
}

QString TransitsNews(const TVemapa& chart) {
  return QStringLiteral("Ano %1, casa %2. %3: %4")
      .arg(chart.TransitYear, chart.YearNumber, CurrentEraWords(), chart.Panel12->text());
}

void NameChartWindow(TVemapa& chart) {
  chart.Edit1->setAccessibleName(QStringLiteral("Ano dos trânsitos"));
  chart.UpDown1->setAccessibleName(QStringLiteral("Setas do ano"));
  chart.UpDown1->upButton()->setAccessibleName(QStringLiteral("Ano seguinte"));
  chart.UpDown1->downButton()->setAccessibleName(QStringLiteral("Ano anterior"));
  chart.Button1->setAccessibleDescription(QStringLiteral("Mostra os trânsitos do ano"));
  chart.PaintBox1->setAccessibleName(QStringLiteral("Estrela dos elementos"));
  chart.StringGrid1->setAccessibleName(QStringLiteral("Trânsitos do ano"));
  // The year's number is told as the year box changes: its arrows and keys change only the text.
  QObject::connect(chart.Edit1, &QLineEdit::textChanged, chart.Edit1, [box = chart.Edit1] {
    if (!QAccessible::isActive()) return;
    QAccessibleValueChangeEvent event(box, ReadTextNumber(box->text().toStdString()));
    QAccessible::updateAccessibility(&event);
  });
  // The grid's current cell is told as the focus, once Qt has told the grid's own focus.
  vorelim::TransitGrid* grid = chart.StringGrid1;
  const auto tell_cell = [grid] {
    QTimer::singleShot(0, grid, [grid] { TransitGridAccessible::TellCurrentCell(grid); });
  };
  QObject::connect(grid, &TransitGrid::focusEntered, grid, tell_cell);
  QObject::connect(grid, &TransitGrid::selectCell, grid, tell_cell);
  // "OK" shows the transits away from the focus; the news tells the year's house as it shows.
  auto* news = new QWidget(&chart);
  news->setObjectName(QLatin1String(kTransitsNewsName));
  news->setAccessibleName(QStringLiteral("Trânsitos"));
  news->setGeometry(0, 0, 0, 0);
  news->hide();
  QObject::connect(chart.Edit1, &QLineEdit::textChanged, news, &QWidget::hide);
  QObject::connect(chart.Button1, &QPushButton::clicked, news, [&chart, news] {
    if (chart.YearNumber.isEmpty()) return;
    news->setAccessibleName(TransitsNews(chart));
    news->hide();
    news->show();
  });
  chart.MainMenu1->setAccessibleName(QStringLiteral("Menu do mapa"));
  chart.PopupMenu1->setAccessibleName(QStringLiteral("Textos do mapa"));
  NameMenus(chart);
}

}  // namespace vorelim
