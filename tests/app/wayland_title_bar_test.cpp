// The fixed-size windows in a real Wayland session (a headless weston, which grants maximise
// requests): the maximise button Qt's own title bar draws on them leaves them at their size, and
// the program's connection to the compositor alive.
#include <QEvent>
#include <QGuiApplication>
#include <QTest>
#include <QWindow>
#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "app/taboutbox.h"
#include "newchart/tcriacao.h"

namespace {

// The states the compositor applied to a native window, in order.
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

TEST(wayland_title_bar_test, maximise_button_leaves_the_fixed_size_windows_at_their_size) {
  ASSERT_TRUE(QGuiApplication::platformName().startsWith(QLatin1String("wayland")));
  const std::vector<std::pair<const char*, std::function<std::unique_ptr<QWidget>()>>> windows = {
      {"new chart dialog", [] { return std::make_unique<TCriacao>(nullptr); }},
      {"about box", [] { return std::make_unique<TAboutBox>(nullptr); }},
  };
  for (const auto& [name, make] : windows) {
    SCOPED_TRACE(name);
    const std::unique_ptr<QWidget> window = make();
    const QSize fixed = window->size();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QWindow* native = window->windowHandle();
    AppliedStates applied(native);

    // What a click on the title bar's maximise button does.
    native->setWindowStates(native->windowStates() ^ Qt::WindowMaximized);

    EXPECT_TRUE(QTest::qWaitFor([&] { return applied.Maximised(); }, 5000))
        << "the compositor granted the maximise request";
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return native->windowStates() == Qt::WindowNoState && window->size() == fixed; },
        5000));
    // Frames at the final size reach the compositor; a size it does not accept would have ended
    // the connection, and this process with it.
    window->update();
    QTest::qWait(300);
    EXPECT_EQ(window->size(), fixed);
    EXPECT_EQ(window->minimumSize(), fixed);
    EXPECT_EQ(window->maximumSize(), fixed);
  }
}

}  // namespace
