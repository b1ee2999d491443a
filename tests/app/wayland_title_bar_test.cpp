// The chart program's fixed-size windows in a real Wayland session (a headless weston, which grants
// maximise requests): the maximise button Qt's own title bar draws on them leaves them at their
// size, and the program's connection to the compositor alive.
#include <QMessageBox>
#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>
#include <QTest>

#include "desktop/fixed_size.h"
#include "newchart/tcriacao.h"
#include "support/wayland_title_bar.h"

namespace {

TEST(wayland_title_bar_test, maximise_button_leaves_the_fixed_size_windows_at_their_size) {
  // Kept as the program keeps its main frame: what comes over it modally is kept too.
  QWidget frame;
  desktop::KeepFixedSizeWindows(frame);
  frame.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));

  const std::vector<std::pair<const char*, std::function<std::unique_ptr<QWidget>()>>> windows = {
      // Keeps itself.
      {"new chart dialog", [] { return std::make_unique<TCriacao>(nullptr); }},
      // One of Qt's own, over the frame as Qt's dialogs show theirs. Qt fixes a message box's size
      // only as it shows, and again at each layout request.
      {"Qt's message box",
       [] {
         auto box = std::make_unique<QMessageBox>(
             QMessageBox::Warning, QStringLiteral("MAPA DO VORELIM"),
             QStringLiteral("O arquivo não foi aberto."), QMessageBox::Ok);
         box->setWindowModality(Qt::ApplicationModal);
         return box;
       }},
  };
  for (const auto& [name, make] : windows) {
    SCOPED_TRACE(name);
    vorelim::test::ExpectMaximiseButtonKeepsFixedSize(*make());
  }
}

}  // namespace
