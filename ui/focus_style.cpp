#include "ui/focus_style.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>

#include "ui/contrast.h"

namespace vorelim {
namespace {

constexpr int kFrameWidth = 2;

// The colour under a focus frame the caller did not name: the face of a button, the base of an
// entry or a list, the window's colour elsewhere.
QColor GroundOf(const QStyleOption& option, const QWidget* widget) {
  if (const auto* focus = qstyleoption_cast<const QStyleOptionFocusRect*>(&option)) {
    if (focus->backgroundColor.isValid()) return focus->backgroundColor;
  }
  if (qobject_cast<const QAbstractButton*>(widget) != nullptr)
    return option.palette.color(QPalette::Button);
  if (qobject_cast<const QLineEdit*>(widget) != nullptr ||
      qobject_cast<const QAbstractItemView*>(widget) != nullptr)
    return option.palette.color(QPalette::Base);
  return option.palette.color(QPalette::Window);
}

void DrawFrame(QPainter& painter, const QRect& rect, const QColor& colour) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour);
  const int w = std::min(kFrameWidth, std::max(1, std::min(rect.width(), rect.height()) / 2));
  painter.drawRect(QRect(rect.left(), rect.top(), rect.width(), w));
  painter.drawRect(QRect(rect.left(), rect.bottom() - w + 1, rect.width(), w));
  painter.drawRect(QRect(rect.left(), rect.top(), w, rect.height()));
  painter.drawRect(QRect(rect.right() - w + 1, rect.top(), w, rect.height()));
  painter.restore();
}

void DrawArrow(QPainter& painter, QStyle::PrimitiveElement element, const QRect& rect,
               const QColor& colour) {
  const int size = std::max(3, std::min(rect.width(), rect.height()) / 2);
  const int half = size / 2;
  const QPoint c = rect.center();
  QPolygon triangle;
  switch (element) {
    case QStyle::PE_IndicatorArrowUp:
      triangle << QPoint(c.x() - half, c.y() + half / 2) << QPoint(c.x() + half, c.y() + half / 2)
               << QPoint(c.x(), c.y() - half / 2 - 1);
      break;
    case QStyle::PE_IndicatorArrowDown:
      triangle << QPoint(c.x() - half, c.y() - half / 2) << QPoint(c.x() + half, c.y() - half / 2)
               << QPoint(c.x(), c.y() + half / 2 + 1);
      break;
    case QStyle::PE_IndicatorArrowLeft:
      triangle << QPoint(c.x() + half / 2, c.y() - half) << QPoint(c.x() + half / 2, c.y() + half)
               << QPoint(c.x() - half / 2 - 1, c.y());
      break;
    default:
      triangle << QPoint(c.x() - half / 2, c.y() - half) << QPoint(c.x() - half / 2, c.y() + half)
               << QPoint(c.x() + half / 2 + 1, c.y());
      break;
  }
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(colour);
  painter.setBrush(colour);
  painter.drawPolygon(triangle);
  painter.restore();
}

class VisibleFocusStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    switch (element) {
      case PE_FrameFocusRect:
        // Drawn once the keyboard moved the focus, as Fusion does; a click alone shows none. A
        // push button's is drawn with the button, above.
        if ((option->state & State_KeyboardFocusChange) &&
            qobject_cast<const QPushButton*>(widget) == nullptr) {
          DrawFrame(*painter, option->rect,
                    IndicatorColour(option->palette, GroundOf(*option, widget)));
        }
        return;
      case PE_PanelButtonCommand:
      case PE_FrameLineEdit: {
        // Fusion's own focus outline is a tint of the highlight; the frame below replaces it.
        const bool focused = option->state & State_HasFocus;
        if (!focused) break;
        // The option copied as its own type: QStyleOption has no virtual destructor, so a copy
        // is kept by value, never deleted through the base.
        const auto draw_plain = [&](auto plain) {
          plain.state &= ~State_HasFocus;
          QProxyStyle::drawPrimitive(element, &plain, painter, widget);
        };
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        if (element == PE_FrameLineEdit && frame != nullptr) {
          draw_plain(*frame);
        } else if (button != nullptr) {
          draw_plain(*button);
        } else {
          draw_plain(*option);
        }
        if (element == PE_FrameLineEdit) {
          DrawFrame(*painter, option->rect,
                    IndicatorColour(option->palette, option->palette.color(QPalette::Base),
                                    option->palette.color(QPalette::Window)));
        }
        return;
      }
      case PE_IndicatorArrowUp:
      case PE_IndicatorArrowDown:
      case PE_IndicatorArrowLeft:
      case PE_IndicatorArrowRight:
        DrawArrow(*painter, element, option->rect,
                  option->state & State_Enabled
                      ? ArrowColour(option->palette.color(QPalette::Button))
                      : option->palette.color(QPalette::Disabled, QPalette::ButtonText));
        return;
      default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
  }

  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    QProxyStyle::drawControl(element, option, painter, widget);
    // Fusion tells a push button's focus only by tinting its outline: a frame on its face, two
    // pixels in from the outline, tells it here.
    if (element == CE_PushButton && (option->state & State_HasFocus) &&
        (option->state & State_KeyboardFocusChange)) {
      DrawFrame(*painter, option->rect.adjusted(3, 3, -3, -3),
                IndicatorColour(option->palette, option->palette.color(QPalette::Button)));
    }
  }

  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                          QPainter* painter, const QWidget* widget) const override {
    if (control == CC_ScrollBar) {
      // Fusion draws the scroll bar's arrows in the window text colour on the button face; a
      // window that fixes its text colour (black on paper) would leave them unseen on a dark face.
      if (const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
        QStyleOptionSlider coloured = *bar;
        coloured.palette.setColor(QPalette::WindowText,
                                  ArrowColour(bar->palette.color(QPalette::Button)));
        QProxyStyle::drawComplexControl(control, &coloured, painter, widget);
        return;
      }
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
  }
};

}  // namespace

QColor IndicatorColour(const QPalette& palette, const QColor& ground, const QColor& other_ground) {
  const auto least = [&](const QColor& colour) {
    return std::min(ContrastRatio(colour, ground), ContrastRatio(colour, other_ground));
  };
  for (const QPalette::ColorRole role :
       {QPalette::Highlight, QPalette::WindowText, QPalette::Text}) {
    const QColor colour = palette.color(role);
    if (least(colour) >= kIndicatorContrast) return colour;
  }
  return least(Qt::black) >= least(Qt::white) ? QColor(Qt::black) : QColor(Qt::white);
}

QColor ArrowColour(const QColor& ground) {
  return ContrastRatio(Qt::black, ground) >= ContrastRatio(Qt::white, ground) ? QColor(Qt::black)
                                                                              : QColor(Qt::white);
}

void UseVisibleFocusStyle() {
  // A fresh instance of the application's style: the proxy owns its base.
  QStyle* base = QStyleFactory::create(QApplication::style()->name());
  QApplication::setStyle(new VisibleFocusStyle(base));
}

}  // namespace vorelim
