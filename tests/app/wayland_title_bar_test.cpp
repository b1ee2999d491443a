// The fixed-size windows in a real Wayland session (a headless weston, which grants maximise
// requests): the maximise button Qt's own title bar draws on them leaves them at their size, and
// the program's connection to the compositor alive. The program's application object watches its
// windows, so this test has its own main().
#include <QMessageBox>
#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "app/application.h"
#include "newchart/tcriacao.h"
#include "support/wayland_title_bar.h"

namespace {

TEST(wayland_title_bar_test, maximise_button_leaves_the_fixed_size_windows_at_their_size) {
  const std::vector<std::pair<const char*, std::function<std::unique_ptr<QWidget>()>>> windows = {
      {"new chart dialog", [] { return std::make_unique<TCriacao>(nullptr); }},
      // Qt fixes a message box's size only as it shows, and again at each layout request.
      {"message box",
       [] {
         return std::make_unique<QMessageBox>(
             QMessageBox::Warning, QStringLiteral("MAPA DO VORELIM"),
             QStringLiteral("O arquivo não foi aberto."), QMessageBox::Ok);
       }},
  };
  for (const auto& [name, make] : windows) {
    SCOPED_TRACE(name);
    vorelim::test::ExpectMaximiseButtonKeepsFixedSize(*make());
  }
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  vorelim::Application app(argc, argv);
  return RUN_ALL_TESTS();
}
