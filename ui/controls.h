#pragma once
// Small controls of the chart window that Qt has no direct counterpart for: a panel with raised
// bevels and a centred caption, a year box that keeps its selection drawn and leaves Ctrl
// shortcuts to the menus, and an up-down control bound to such a box.

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

QT_BEGIN_NAMESPACE
class QPainter;
class QPalette;
class QToolButton;
QT_END_NAMESPACE

namespace vorelim {

/// A panel: a centred caption inside an outer bevel and, optionally, a border and an inner bevel.
class BevelPanel : public QLabel {
  Q_OBJECT

 public:
  enum class Bevel { None, Raised, Lowered };

  explicit BevelPanel(QWidget* parent = nullptr);

  /// Bevels from the outside in; `border` is the gap in pixels between them.
  void SetBevels(Bevel outer, Bevel inner, int border);
  Bevel outerBevel() const { return outer_; }
  Bevel innerBevel() const { return inner_; }

 signals:
  /// A left-button double-click on the panel.
  void doubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void UpdateMargins();

  Bevel outer_ = Bevel::Raised;
  Bevel inner_ = Bevel::None;
  int border_ = 0;
};

/// Draws a one-pixel `bevel` (light above and on the left when raised, dark there when lowered)
/// along the inside of `rect` and returns the rectangle inside it.
QRect DrawBevel(QPainter& painter, QRect rect, BevelPanel::Bevel bevel, const QPalette& palette);

/// A single-line box whose selection stays drawn after it loses the focus, and which lets the
/// menus' Ctrl shortcuts through instead of taking them as editing keys.
class YearEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit YearEdit(QWidget* parent = nullptr);

 protected:
  bool event(QEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

/// Vertical up-down arrows bound to a text box. A click reads the box's number, moves it one step
/// within [minimum, maximum] without wrapping, and writes it back as plain digits. While the box
/// has the focus, Up and Down step it by one and Page Up and Page Down by ten the same way, so the
/// keyboard reaches every year a click reaches; the box's own typing is left as it is.
class UpDown : public QWidget {
  Q_OBJECT

 public:
  explicit UpDown(QWidget* parent = nullptr);

  /// Binds the box; its arrow and page keys step the position from now on.
  void SetBuddy(QLineEdit* buddy);
  QLineEdit* buddy() const { return buddy_; }

  /// Sets the range; a minimum above the maximum is lowered to the maximum, so the range stays
  /// valid.
  void SetRange(int minimum, int maximum);
  void SetMinimum(int minimum) { SetRange(minimum, maximum_); }
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }

  /// The position: the buddy's number when there is a buddy, else the last position set.
  int position() const;
  void SetPosition(int position);

  /// What a click on the upper or lower arrow does.
  void StepUp() { Step(+1); }
  void StepDown() { Step(-1); }

  QToolButton* upButton() const { return up_; }
  QToolButton* downButton() const { return down_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Step(int delta);

  QLineEdit* buddy_ = nullptr;
  QToolButton* up_;
  QToolButton* down_;
  int minimum_ = 0;
  int maximum_ = 100;
  int position_ = 0;
};

}  // namespace vorelim
