#pragma once
// One person's element star in the comparison window: the chart window's picture (rings, red star,
// element labels) at the chart window's size, on the same paper, drawn by the chart's own drawing
// functions. A screen reader reads it as a picture named after the person, described as the chart
// window describes its own.

#include <QWidget>

#include "chart/chart_record.h"

namespace vorelim {

class ElementStar : public QWidget {
  Q_OBJECT

 public:
  /// A star of `marks` for the person `name`.
  ElementStar(const ElementMarks& marks, const QString& name, QWidget* parent = nullptr);

  const ElementMarks& Marks() const { return marks_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ElementMarks marks_;
};

}  // namespace vorelim
