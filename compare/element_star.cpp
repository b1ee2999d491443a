#include "compare/element_star.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

#include "chartview/chart_geometry.h"
#include "chartview/chart_picture.h"
#include "chartview/element_description.h"
#include "ui/designed_words.h"
#include "ui/fonts.h"
#include "ui/paper.h"

namespace vorelim {
namespace {

// The chart window's paint box, as designed.
constexpr int kWidth = 361;
constexpr int kHeight = 281;

// The star reads as a picture; its name and description are the widget's.
QAccessibleInterface* StarInterface(const QString& class_name, QObject* object) {
  if (class_name != QLatin1String("vorelim::ElementStar") || object == nullptr) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
}

}  // namespace

ElementStar::ElementStar(const ElementMarks& marks, const QString& name, QWidget* parent)
    : QWidget(parent), marks_(marks) {
  // Qt keeps a factory once, however often it is installed.
  QAccessible::installFactory(StarInterface);
  setFixedSize(kWidth, kHeight);
  setFocusPolicy(Qt::NoFocus);
  // The chart's paper: its fixed ink on the chart window's cream ground, whatever the theme.
  QPalette palette = PaperPalette();
  palette.setColor(QPalette::Window, palette.color(QPalette::ToolTipBase));
  setPalette(palette);
  setAutoFillBackground(true);
  // The chart window's font with the rounded face, as its drawing labels are drawn.
  QFont font = DesignFont(FaceName(Face::SansSerif), 11);
  font.setFamily(InstalledFamily(FaceName(Face::Rounded)));
  setFont(font);
  setAccessibleName(QStringLiteral("Estrela dos elementos de ") + name);
  setAccessibleDescription(ElementDrawingDescription(marks_));
}

void ElementStar::paintEvent(QPaintEvent*) {
  QPainter canvas(this);
  DrawRingsAndStar(canvas, marks_, width(), height(), 1);
  canvas.setFont(font());
  canvas.setPen(palette().color(QPalette::WindowText));
  const std::array<PlacedText, 6> labels = ScreenLabels(width(), height());
  DrawPlacedTexts(canvas, labels);
}

}  // namespace vorelim
