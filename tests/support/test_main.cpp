// Entry point of every GUI test program: one QApplication for the whole run, offscreen unless the
// caller chose a platform, with the program's font as the chart program sets it, then GoogleTest.
#include <QApplication>
#include <cstdlib>

#include <gtest/gtest.h>

#include "ui/fonts.h"

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  vorelim::SetProgramFont();
  return RUN_ALL_TESTS();
}
