// The fixed-size windows in a real Wayland session (a headless weston, which grants maximise
// requests): the maximise button Qt's own title bar draws on them leaves them at their size, and
// the program's connection to the compositor alive. The program's application object watches its
// windows, so this test has its own main().
#include <QEvent>
#include <QMessageBox>
#include <QTest>
#include <QWindow>
#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "app/application.h"
#include "app/taboutbox.h"
#include "newchart/tcriacao.h"

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

TEST(wayland_title_bar_test, maximise_button_leaves_the_fixed_size_windows_at_their_size) {
  ASSERT_TRUE(QGuiApplication::platformName().startsWith(QLatin1String("wayland")));
  const std::vector<std::pair<const char*, std::function<std::unique_ptr<QWidget>()>>> windows = {
      {"new chart dialog", [] { return std::make_unique<TCriacao>(nullptr); }},
      {"about box", [] { return std::make_unique<TAboutBox>(nullptr); }},
      // Qt fixes a message box's size only as it shows.
      {"message box",
       [] {
         return std::make_unique<QMessageBox>(
             QMessageBox::Warning, QStringLiteral("MAPA DO VORELIM"),
             QStringLiteral("O arquivo não foi aberto."), QMessageBox::Ok);
       }},
  };
  for (const auto& [name, make] : windows) {
    SCOPED_TRACE(name);
    const std::unique_ptr<QWidget> window = make();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QSize fixed = window->size();
    ASSERT_EQ(window->minimumSize(), window->maximumSize());
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

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  vorelim::Application app(argc, argv);
  return RUN_ALL_TESTS();
}
