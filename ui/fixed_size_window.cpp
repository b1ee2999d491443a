#include "ui/fixed_size_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWindow>

namespace vorelim {
namespace {

bool FillsScreen(Qt::WindowStates states) {
  return (states & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0;
}

// Lives as the window's child. It follows the window's native window from its first show: the
// state the window asks for (QWindow's signal, sent as the request leaves) and the state the
// compositor applied (the window's state change events, which only the platform sends).
class FixedSizeKeeper : public QObject {
 public:
  explicit FixedSizeKeeper(QWidget& window)
      : QObject(&window), window_(window), size_(window.minimumSize()) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::Show) Follow(window_.windowHandle());
    if (watched == native_ && event->type() == QEvent::WindowStateChange) Applied();
    return false;
  }

 private:
  void Follow(QWindow* native) {
    if (native == nullptr || native == native_) return;
    if (native_ != nullptr) native_->removeEventFilter(this);
    native_ = native;
    native->installEventFilter(this);
    connect(native, &QWindow::windowStateChanged, this, [this](Qt::WindowState asked) {
      // The request is on its way: make room for whatever size the compositor configures.
      if (FillsScreen(asked) && !lifted_) {
        lifted_ = true;
        window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
      }
    });
  }

  void Applied() {
    if (!lifted_) return;
    if (FillsScreen(native_->windowStates())) {
      // Granted: the frame at the compositor's size goes out first, then the way back.
      QTimer::singleShot(0, this, [this] {
        if (native_ != nullptr) native_->setWindowStates(Qt::WindowNoState);
      });
    } else {
      // Normal again (or never granted): the compositor no longer dictates a size.
      lifted_ = false;
      window_.setFixedSize(size_);
    }
  }

  QWidget& window_;
  const QSize size_;
  QPointer<QWindow> native_;
  bool lifted_ = false;
};

}  // namespace

void KeepFixedSize(QWidget& window) {
  if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
  new FixedSizeKeeper(window);
}

}  // namespace vorelim
