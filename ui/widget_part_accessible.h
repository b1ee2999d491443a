#pragma once
// A part of a widget that screen readers read as a child of the widget's own interface though it
// is no object of its own, as a link of a page or a cell of a grid is: it has no children and no
// text to set, lies in the widget's window, and is gone with the widget. A subclass tells what the
// part is (its role, name, place and state).

#include <QAccessible>
#include <QPointer>
#include <QWidget>

namespace vorelim {

class WidgetPartAccessible : public QAccessibleInterface {
 public:
  explicit WidgetPartAccessible(QWidget* widget);

  bool isValid() const override;
  QObject* object() const override;
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* child(int index) const override;
  int childCount() const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  void setText(QAccessible::Text type, const QString& text) override;

 protected:
  /// The widget, or null once it is gone.
  QWidget* widget() const { return widget_.data(); }

 private:
  QPointer<QWidget> widget_;
};

}  // namespace vorelim
