// Entry point of every GUI test program: one QApplication for the whole run, offscreen unless the
// caller chose a platform, then GoogleTest. The chart program's tests get its font and style as
// its main() sets them (VORELIM_TEST_PROGRAM_FONT); the launcher's keep Qt's, as the launcher does.
#include <QApplication>
#include <cstdlib>

#include <gtest/gtest.h>

#ifdef VORELIM_TEST_PROGRAM_FONT
#include "ui/focus_style.h"
#include "ui/fonts.h"
#endif

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
#ifdef VORELIM_TEST_PROGRAM_FONT
  vorelim::SetProgramFont();
  vorelim::UseVisibleFocusStyle();
#endif
  return RUN_ALL_TESTS();
}
