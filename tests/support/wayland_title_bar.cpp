#include "support/wayland_title_bar.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTest>
#include <QWindow>
#include <functional>
#include <utility>

#include <gtest/gtest.h>

namespace vorelim::test {
namespace {

// Whether an object received an event of one type, at a moment `when` held.
class Received : public QObject {
 public:
  Received(QObject* watched, QEvent::Type type, std::function<bool()> when)
      : type_(type), when_(std::move(when)) {
    watched->installEventFilter(this);
  }
  bool Yes() const { return yes_; }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == type_ && when_()) yes_ = true;
    return false;
  }

 private:
  QEvent::Type type_;
  std::function<bool()> when_;
  bool yes_ = false;
};

}  // namespace

void ExpectMaximiseButtonKeepsFixedSize(QWidget& window) {
  ASSERT_TRUE(QGuiApplication::platformName().startsWith(QLatin1String("wayland")));
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QSize fixed = window.size();
  ASSERT_EQ(window.minimumSize(), window.maximumSize());
  QWindow* native = window.windowHandle();
  const Received maximised(native, QEvent::WindowStateChange, [native] {
    return (native->windowStates() & Qt::WindowMaximized) != 0;
  });

  // What a click on the title bar's maximise button does.
  native->setWindowStates(native->windowStates() ^ Qt::WindowMaximized);

  EXPECT_TRUE(QTest::qWaitFor([&] { return maximised.Yes(); }, 5000))
      << "the compositor granted the maximise request";
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return native->windowStates() == Qt::WindowNoState && window.size() == fixed; }, 5000));
  // A frame at the final size reaches the compositor: it is painted and sent, and the next update
  // the platform lets through only once the compositor has shown that frame.
  const Received painted(&window, QEvent::Paint, [&] { return window.size() == fixed; });
  window.update();
  EXPECT_TRUE(QTest::qWaitFor([&] { return painted.Yes(); }, 5000)) << "painted at the fixed size";
  const Received shown(native, QEvent::UpdateRequest, [] { return true; });
  native->requestUpdate();
  EXPECT_TRUE(QTest::qWaitFor([&] { return shown.Yes(); }, 5000)) << "the compositor showed it";
  EXPECT_EQ(window.size(), fixed);
  EXPECT_EQ(window.minimumSize(), fixed);
  EXPECT_EQ(window.maximumSize(), fixed);
  window.hide();
}

}  // namespace vorelim::test
