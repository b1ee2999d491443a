#pragma once
// A printer that keeps what is painted on it instead of printing it: the ellipses, polygons and
// texts with the pen, brush and font they were drawn with, in device pixels. Tests hand it to the
// code under test as an ordinary QPrinter, or paint on it with their own QPainter.

#include <QBrush>
#include <QFont>
#include <QMap>
#include <QPaintEngine>
#include <QPen>
#include <QPolygonF>
#include <QPrintEngine>
#include <QPrinter>
#include <QRectF>
#include <QString>
#include <QVariant>
#include <vector>

namespace vorelim::test {

struct RecordedShape {
  QRectF ellipse;     // for ellipses
  QPolygonF polygon;  // for polygons
  bool odd_even = false;
  QPen pen;
  QBrush brush;
  friend bool operator==(const RecordedShape&, const RecordedShape&) = default;
};

struct RecordedText {
  QPointF baseline;
  QString text;
  QFont font;
  QColor color;
  friend bool operator==(const RecordedText&, const RecordedText&) = default;
};

class RecordingPaintEngine : public QPaintEngine {
 public:
  RecordingPaintEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

  bool begin(QPaintDevice*) override;
  bool end() override;
  void updateState(const QPaintEngineState& state) override;
  void drawEllipse(const QRectF& rect) override;
  void drawEllipse(const QRect& rect) override { drawEllipse(QRectF(rect)); }
  void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override;
  void drawPolygon(const QPoint* points, int count, PolygonDrawMode mode) override;
  void drawTextItem(const QPointF& p, const QTextItem& item) override;
  void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
  Type type() const override { return QPaintEngine::User; }

  std::vector<RecordedShape> ellipses;
  std::vector<RecordedShape> polygons;
  std::vector<RecordedText> texts;
  int begins = 0;
  int ends = 0;

 private:
  QPen pen_;
  QBrush brush_;
};

class RecordingPrintEngine : public QPrintEngine {
 public:
  RecordingPrintEngine(int width, int height, int dpi)
      : width_(width), height_(height), dpi_(dpi) {}
  void setProperty(PrintEnginePropertyKey key, const QVariant& value) override {
    properties_[key] = value;
  }
  QVariant property(PrintEnginePropertyKey key) const override { return properties_.value(key); }
  bool newPage() override {
    ++new_pages;
    return true;
  }
  bool abort() override { return true; }
  int metric(QPaintDevice::PaintDeviceMetric metric) const override;
  QPrinter::PrinterState printerState() const override { return QPrinter::Idle; }

  int new_pages = 0;

 private:
  int width_, height_, dpi_;
  QMap<int, QVariant> properties_;
};

/// A QPrinter of width x height printable pixels at dpi pixels per inch that records.
class RecordingPrinter : public QPrinter {
 public:
  RecordingPrinter(int width, int height, int dpi);
  ~RecordingPrinter() override;

  RecordingPaintEngine& record() { return *paint_engine_; }

 private:
  RecordingPrintEngine* print_engine_;
  RecordingPaintEngine* paint_engine_;
};

}  // namespace vorelim::test
