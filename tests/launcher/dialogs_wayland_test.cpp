// korvex's dialogs in a real Wayland session (a headless weston, which grants maximise requests):
// the maximise button Qt's own title bar draws on them leaves them at their size, and korvex's
// connection to the compositor alive.
#include <gtest/gtest.h>

#include "launcher/dialogs.h"
#include "support/wayland_title_bar.h"

namespace {

// Both dialogs are prepared by the same function, which keeps them; the notice stands for both.
TEST(korvex_dialogs_wayland_test, maximise_button_leaves_the_dialog_at_its_size) {
  korvex::NoticeDialog notice;
  vorelim::test::ExpectMaximiseButtonKeepsFixedSize(notice);
}

}  // namespace
