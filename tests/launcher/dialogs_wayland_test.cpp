// korvex's dialogs in a real Wayland session (a headless weston, which grants maximise requests):
// the maximise button Qt's own title bar draws on them leaves them at their size, and korvex's
// connection to the compositor alive.
#include <gtest/gtest.h>

#include "launcher/dialogs.h"
#include "support/wayland_title_bar.h"

namespace {

TEST(korvex_dialogs_wayland_test, maximise_button_leaves_both_dialogs_at_their_size) {
  {
    SCOPED_TRACE("notice");
    korvex::NoticeDialog notice;
    vorelim::test::ExpectMaximiseButtonKeepsFixedSize(notice);
  }
  {
    SCOPED_TRACE("file not found");
    korvex::FileNotFoundDialog file_not_found(QStringLiteral("SETUP.EXE"), QStringLiteral("D:\\"));
    vorelim::test::ExpectMaximiseButtonKeepsFixedSize(file_not_found);
  }
}

}  // namespace
