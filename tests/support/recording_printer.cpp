#include "support/recording_printer.h"

#include <QTextItem>

namespace vorelim::test {

bool RecordingPaintEngine::begin(QPaintDevice*) {
  ++begins;
  return true;
}

bool RecordingPaintEngine::end() {
  ++ends;
  return true;
}

void RecordingPaintEngine::updateState(const QPaintEngineState& state) {
  if (state.state() & DirtyPen) pen_ = state.pen();
  if (state.state() & DirtyBrush) brush_ = state.brush();
}

void RecordingPaintEngine::drawEllipse(const QRectF& rect) {
  ellipses.push_back({rect, {}, false, pen_, brush_});
}

void RecordingPaintEngine::drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) {
  QPolygonF polygon;
  for (int i = 0; i < count; ++i) polygon << points[i];
  polygons.push_back({{}, polygon, mode == OddEvenMode, pen_, brush_});
}

void RecordingPaintEngine::drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) {
  QPolygonF polygon;
  for (int i = 0; i < count; ++i) polygon << QPointF(points[i]);
  polygons.push_back({{}, polygon, mode == OddEvenMode, pen_, brush_});
}

void RecordingPaintEngine::drawTextItem(const QPointF& p, const QTextItem& item) {
  texts.push_back({p, item.text(), item.font(), pen_.color()});
}

int RecordingPrintEngine::metric(QPaintDevice::PaintDeviceMetric metric) const {
  switch (metric) {
    case QPaintDevice::PdmWidth:
      return width_;
    case QPaintDevice::PdmHeight:
      return height_;
    case QPaintDevice::PdmDpiX:
    case QPaintDevice::PdmDpiY:
    case QPaintDevice::PdmPhysicalDpiX:
    case QPaintDevice::PdmPhysicalDpiY:
      return dpi_;
    case QPaintDevice::PdmWidthMM:
      return width_ * 254 / (10 * dpi_);
    case QPaintDevice::PdmHeightMM:
      return height_ * 254 / (10 * dpi_);
    case QPaintDevice::PdmNumColors:
      return 0x7fffffff;
    case QPaintDevice::PdmDepth:
      return 32;
    case QPaintDevice::PdmDevicePixelRatio:
      return 1;
    case QPaintDevice::PdmDevicePixelRatioScaled:
      return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
    default:
      return 0;
  }
}

RecordingPrinter::RecordingPrinter(int width, int height, int dpi)
    : print_engine_(new RecordingPrintEngine(width, height, dpi)),
      paint_engine_(new RecordingPaintEngine) {
  setEngines(print_engine_, paint_engine_);
}

RecordingPrinter::~RecordingPrinter() {
  // QPrinter does not own engines given to it.
  delete paint_engine_;
  delete print_engine_;
}

}  // namespace vorelim::test
