#include "app/fixed_size_windows.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace vorelim {
namespace {

bool FillsScreen(Qt::WindowStates states) {
  return (states & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0;
}

// Lives as a top-level window's child and follows its native window: the state the window asks
// for (QWindow's signal, sent as the request leaves) and the state the compositor applied (the
// native window's state change events, which only the platform sends). A window is taken as fixed
// when it asks: a message box fixes its size only as it shows.
class FixedSizeKeeper : public QObject {
 public:
  static constexpr const char* kName = "FixedSizeKeeper";

  FixedSizeKeeper(QWidget& window, QWindow& native) : QObject(&window), window_(window) {
    setObjectName(QLatin1String(kName));
    window.installEventFilter(this);
    native.installEventFilter(this);
    connect(&native, &QWindow::windowStateChanged, this, [this](Qt::WindowState asked) {
      // The request is on its way: make room for whatever size the compositor configures.
      if (!FillsScreen(asked) || lifted_) return;
      if (window_.minimumSize() != window_.maximumSize()) return;
      size_ = window_.maximumSize();
      lifted_ = true;
      window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
      not_granted_.start();
    });
    // A compositor that keeps fixed-size windows as they are (mutter, KWin) answers with the
    // normal state, or not at all; so does a configure that left before the request arrived (the
    // one that activates a window clicked on its title bar), so only time tells them apart.
    not_granted_.setSingleShot(true);
    not_granted_.setInterval(kAnswerTime);
    connect(&not_granted_, &QTimer::timeout, this, [this] {
      if (lifted_ && !granted_) Restore();
    });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!lifted_) return false;
    // A message box fixes its size again at each layout request; it waits until the window is
    // normal again.
    if (watched == &window_) return event->type() == QEvent::LayoutRequest;
    if (event->type() == QEvent::WindowStateChange) Applied(*static_cast<QWindow*>(watched));
    return false;
  }

 private:
  // Far longer than a compositor takes to answer, short enough that a window it left fixed cannot
  // be noticed resizable.
  static constexpr int kAnswerTime = 1500;

  void Applied(QWindow& native) {
    if (FillsScreen(native.windowStates())) {
      // Granted: the frame at the compositor's size goes out first, then the way back.
      granted_ = true;
      not_granted_.stop();
      QTimer::singleShot(0, this, [native = QPointer<QWindow>(&native)] {
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
  QSize size_;
  QTimer not_granted_;
  bool lifted_ = false;
  bool granted_ = false;
};

// Gives each top-level window a keeper as it first shows, when its native window exists.
class WindowWatcher : public QObject {
 public:
  explicit WindowWatcher(QApplication& app) : QObject(&app) { app.installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show || !watched->isWidgetType()) return false;
    auto* window = static_cast<QWidget*>(watched);
    if (!window->isWindow() || window->windowHandle() == nullptr) return false;
    if (window->findChild<QObject*>(QLatin1String(FixedSizeKeeper::kName),
                                    Qt::FindDirectChildrenOnly) == nullptr)
      new FixedSizeKeeper(*window, *window->windowHandle());
    return false;
  }
};

}  // namespace

void KeepFixedSizeWindows(QApplication& app) {
  if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
  new WindowWatcher(app);
}

}  // namespace vorelim
