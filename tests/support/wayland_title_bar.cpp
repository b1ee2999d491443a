#include "support/wayland_title_bar.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

namespace vorelim::test {
namespace {

// Whether the compositor ever applied the maximised state to a native window.
class AppliedStates : public QObject {
 public:
  explicit AppliedStates(QWindow* window) { window->installEventFilter(this); }
  bool Maximised() const { return maximised_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::WindowStateChange &&
        (static_cast<QWindow*>(watched)->windowStates() & Qt::WindowMaximized))
      maximised_ = true;
    return false;
  }

 private:
  bool maximised_ = false;
};

}  // namespace

void ExpectMaximiseButtonKeepsFixedSize(QWidget& window) {
  ASSERT_TRUE(QGuiApplication::platformName().startsWith(QLatin1String("wayland")));
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QSize fixed = window.size();
  ASSERT_EQ(window.minimumSize(), window.maximumSize());
  QWindow* native = window.windowHandle();
  AppliedStates applied(native);

  // What a click on the title bar's maximise button does.
  native->setWindowStates(native->windowStates() ^ Qt::WindowMaximized);

  EXPECT_TRUE(QTest::qWaitFor([&] { return applied.Maximised(); }, 5000))
      << "the compositor granted the maximise request";
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return native->windowStates() == Qt::WindowNoState && window.size() == fixed; }, 5000));
  // Frames at the final size reach the compositor.
  window.update();
  QTest::qWait(300);
  EXPECT_EQ(window.size(), fixed);
  EXPECT_EQ(window.minimumSize(), fixed);
  EXPECT_EQ(window.maximumSize(), fixed);
  window.hide();
}

}  // namespace vorelim::test
