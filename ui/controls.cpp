#include "ui/controls.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <algorithm>

#include "chart/text_number.h"

namespace vorelim {
namespace {

constexpr int kBevelWidth = 1;
constexpr int kPageStep = 10;

}  // namespace

QRect DrawBevel(QPainter& painter, QRect rect, BevelPanel::Bevel bevel, const QPalette& palette) {
  if (bevel == BevelPanel::Bevel::None) return rect;
  const QColor light = palette.color(QPalette::Light);
  const QColor shadow = palette.color(QPalette::Dark);
  const QColor top_left = bevel == BevelPanel::Bevel::Raised ? light : shadow;
  const QColor bottom_right = bevel == BevelPanel::Bevel::Raised ? shadow : light;
  painter.setPen(top_left);
  painter.drawLine(rect.topLeft(), rect.topRight());
  painter.drawLine(rect.topLeft(), rect.bottomLeft());
  painter.setPen(bottom_right);
  painter.drawLine(rect.bottomLeft(), rect.bottomRight());
  painter.drawLine(rect.topRight(), rect.bottomRight());
  return rect.adjusted(kBevelWidth, kBevelWidth, -kBevelWidth, -kBevelWidth);
}

BevelPanel::BevelPanel(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignCenter);
  setAutoFillBackground(true);
  UpdateMargins();
}

void BevelPanel::SetBevels(Bevel outer, Bevel inner, int border) {
  outer_ = outer;
  inner_ = inner;
  border_ = border;
  UpdateMargins();
  update();
}

void BevelPanel::UpdateMargins() {
  const int margin = (outer_ != Bevel::None ? kBevelWidth : 0) +
                     (inner_ != Bevel::None ? kBevelWidth : 0) + border_;
  setContentsMargins(margin, margin, margin, margin);
}

void BevelPanel::paintEvent(QPaintEvent* event) {
  // The background is filled by autoFillBackground; the caption is the label's own painting.
  QLabel::paintEvent(event);
  QPainter painter(this);
  QRect rect = this->rect();
  rect = DrawBevel(painter, rect, outer_, palette());
  rect.adjust(border_, border_, -border_, -border_);
  DrawBevel(painter, rect, inner_, palette());
}

void BevelPanel::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit doubleClicked();
  QLabel::mouseDoubleClickEvent(event);
}

YearEdit::YearEdit(QWidget* parent) : QLineEdit(parent) {}

bool YearEdit::event(QEvent* event) {
  // The menus' accelerators (Ctrl+A, Ctrl+Z, Ctrl+X ...) must reach the menu even while the box
  // has the focus; the box is read-only, so it loses no editing command by that.
  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & Qt::ControlModifier) {
      event->ignore();
      return false;
    }
  }
  return QLineEdit::event(event);
}

void YearEdit::focusOutEvent(QFocusEvent* event) {
  // QLineEdit drops its selection when it loses the focus; keep it drawn.
  const int start = selectionStart();
  const int length = selectedText().size();
  QLineEdit::focusOutEvent(event);
  if (start >= 0 && length > 0 && !hasSelectedText()) setSelection(start, length);
}

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  up_->setObjectName(QStringLiteral("up"));
  down_->setObjectName(QStringLiteral("down"));
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  for (QToolButton* button : {up_, down_}) {
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
  }
  connect(up_, &QToolButton::clicked, this, &UpDown::StepUp);
  connect(down_, &QToolButton::clicked, this, &UpDown::StepDown);
}

void UpDown::SetBuddy(QLineEdit* buddy) {
  if (buddy_ != nullptr) buddy_->removeEventFilter(this);
  buddy_ = buddy;
  if (buddy_ != nullptr) buddy_->installEventFilter(this);
}

bool UpDown::eventFilter(QObject* watched, QEvent* event) {
  if (watched == buddy_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    // With a modifier the keys are left to the box.
    if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
      int delta = 0;
      switch (key->key()) {
        case Qt::Key_Up:
          delta = 1;
          break;
        case Qt::Key_Down:
          delta = -1;
          break;
        case Qt::Key_PageUp:
          delta = kPageStep;
          break;
        case Qt::Key_PageDown:
          delta = -kPageStep;
          break;
        default:
          break;
      }
      if (delta != 0) {
        Step(delta);
        return true;
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void UpDown::SetRange(int minimum, int maximum) {
  maximum_ = maximum;
  minimum_ = std::min(minimum, maximum);
  position_ = std::clamp(position_, minimum_, maximum_);
}

int UpDown::position() const {
  if (buddy_ == nullptr) return position_;
  return ReadTextNumber(buddy_->text().toStdString());
}

void UpDown::SetPosition(int position) {
  position_ = std::clamp(position, minimum_, maximum_);
  if (buddy_ != nullptr) buddy_->setText(QString::number(position_));
}

void UpDown::Step(int delta) {
  // The buddy's text is the current position; a number outside the range moves to its nearest
  // end, and the ends do not wrap around.
  const long long next = static_cast<long long>(position()) + delta;
  const int clamped = static_cast<int>(std::clamp<long long>(next, minimum_, maximum_));
  SetPosition(clamped);
}

void UpDown::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int half = height() / 2;
  up_->setGeometry(0, 0, width(), half);
  down_->setGeometry(0, half, width(), height() - half);
}

}  // namespace vorelim
