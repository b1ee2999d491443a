#include "desktop/fixed_size.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <chrono>

namespace desktop {
namespace {

// How long a window waits, its size limit lifted, for the compositor to grant its maximise request
// before it takes its fixed size back: far longer than a compositor takes to answer, short enough
// that a window the compositor left fixed cannot be noticed resizable.
constexpr std::chrono::milliseconds kMaximiseAnswerTime{1500};

bool FillsScreen(Qt::WindowStates states) {
  return (states & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0;
}

// Lives as a top-level window's child and follows its native window: the state the window asks
// for (QWindow's signal, sent as the request leaves) and the state the compositor applied (the
// native window's state change events, which only the platform sends). A window is taken as fixed
// when it asks: a message box fixes its size only as it shows. The native window is followed from
// each show of the window, as a window may get a new one (new window flags, a new parent).
class Keeper : public QObject {
 public:
  explicit Keeper(QWidget& window) : QObject(&window), window_(window) {
    window.installEventFilter(this);
    Follow(window.windowHandle());
    // A compositor that keeps fixed-size windows as they are (mutter, KWin) answers with the
    // normal state, or not at all; so does a configure that left before the request arrived (the
    // one that activates a window clicked on its title bar), so only time tells them apart.
    not_granted_.setSingleShot(true);
    not_granted_.setInterval(kMaximiseAnswerTime);
    connect(&not_granted_, &QTimer::timeout, this, [this] {
      if (lifted_ && !granted_) Restore();
    });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_) {
      if (event->type() == QEvent::Show) Follow(window_.windowHandle());
      // A message box fixes its size again at each layout request; it waits until the window is
      // normal again.
      return lifted_ && event->type() == QEvent::LayoutRequest;
    }
    if (watched != native_) return false;
    if (event->type() == QEvent::WindowBlocked) {
      // A modal window has just come over this one; it is the first in Qt's modal list.
      QWidget* modal = QApplication::activeModalWidget();
      if (modal != nullptr && modal != &window_) KeepFixedSizeWindows(*modal);
    } else if (event->type() == QEvent::WindowStateChange && lifted_) {
      Applied();
    }
    return false;
  }

 private:
  void Follow(QWindow* native) {
    if (native == native_) return;
    if (native_ != nullptr) {
      native_->removeEventFilter(this);
      disconnect(asked_);
    }
    native_ = native;
    if (native == nullptr) return;
    native->installEventFilter(this);
    asked_ = connect(native, &QWindow::windowStateChanged, this, &Keeper::Asked);
  }

  // The request is on its way: make room for whatever size the compositor configures.
  void Asked(Qt::WindowState asked) {
    if (!FillsScreen(asked) || lifted_) return;
    if (window_.minimumSize() != window_.maximumSize()) return;
    size_ = window_.maximumSize();
    lifted_ = true;
    window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    not_granted_.start();
  }

  void Applied() {
    if (FillsScreen(native_->windowStates())) {
      // Granted: the frame at the compositor's size goes out first, then the way back.
      granted_ = true;
      not_granted_.stop();
      QTimer::singleShot(0, this, [native = native_] {
        if (native) native->setWindowStates(Qt::WindowNoState);
      });
    } else if (granted_) {
      Restore();  // normal again: the compositor no longer dictates a size
    }
  }

  void Restore() {
    lifted_ = false;
    granted_ = false;
    window_.setFixedSize(size_);
    QCoreApplication::postEvent(&window_, new QEvent(QEvent::LayoutRequest));
  }

  QWidget& window_;
  QPointer<QWindow> native_;
  QMetaObject::Connection asked_;
  QSize size_;
  QTimer not_granted_;
  bool lifted_ = false;
  bool granted_ = false;
};

bool Kept(const QWidget& window) {
  for (const QObject* child : window.children()) {
    if (dynamic_cast<const Keeper*>(child) != nullptr) return true;
  }
  return false;
}

}  // namespace

void KeepFixedSizeWindows(QWidget& window) {
  if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
  if (!Kept(window)) new Keeper(window);
}

}  // namespace desktop
