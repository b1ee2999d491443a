#include "launcher/fixed_size_dialog.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWindow>

namespace korvex {
namespace {

bool Maximised(Qt::WindowStates states) {
  return (states & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0;
}

// A child of the dialog. The dialog's native window says both what is asked (its state signal,
// as the request leaves) and what the compositor applied (its state change events).
class SizeGuard : public QObject {
 public:
  SizeGuard(QDialog& dialog, QWindow& native)
      : QObject(&dialog), dialog_(dialog), size_(dialog.size()) {
    native.installEventFilter(this);
    connect(&native, &QWindow::windowStateChanged, this, [this](Qt::WindowState asked) {
      if (!Maximised(asked) || open_) return;
      open_ = true;
      dialog_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
      unanswered_.start();
    });
    // A compositor that leaves fixed-size windows alone (mutter, KWin) never maximises; the
    // configure that activated the dialog may still come in the normal state after the request.
    unanswered_.setSingleShot(true);
    unanswered_.setInterval(1500);
    connect(&unanswered_, &QTimer::timeout, this, [this] {
      if (open_ && !maximised_) Close();
    });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::WindowStateChange || !open_) return false;
    auto* native = static_cast<QWindow*>(watched);
    if (Maximised(native->windowStates())) {
      maximised_ = true;
      unanswered_.stop();
      QTimer::singleShot(0, this, [native = QPointer<QWindow>(native)] {
        if (native) native->setWindowStates(Qt::WindowNoState);
      });
    } else if (maximised_) {
      Close();
    }
    return false;
  }

 private:
  void Close() {
    open_ = maximised_ = false;
    dialog_.setFixedSize(size_);
  }

  QDialog& dialog_;
  const QSize size_;
  QTimer unanswered_;
  bool open_ = false;
  bool maximised_ = false;
};

}  // namespace

void KeepFixedSizeOnWayland(QDialog& dialog) {
  if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
  dialog.winId();  // the native window, so its states can be followed from the first show
  if (QWindow* native = dialog.windowHandle()) new SizeGuard(dialog, *native);
}

}  // namespace korvex
