#pragma once
// The main frame shown and active on a scratch current folder, on a fixed day, for the tests that
// drive it from the keyboard as a user does. Message boxes left open are closed before the frame
// goes.

#include <QApplication>
#include <QCoreApplication>
#include <QKeyCombination>
#include <QTest>
#include <memory>

#include <gtest/gtest.h>

#include "app/tformdi.h"
#include "support/charts.h"
#include "support/qt_support.h"
#include "support/temp_folder.h"

class FrameFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    frame_ = std::make_unique<TFORMDI>();
    frame_->show();
    Activate();
  }
  void TearDown() override {
    vorelim::test::CloseMessageBoxes();
    frame_.reset();
  }

  void Activate() {
    frame_->activateWindow();
    // The offscreen platform leaves a closed dialog the active window; a desktop's window
    // manager gives the activation back to the frame.
    if (QApplication::activeWindow() != frame_.get()) QApplication::setActiveWindow(frame_.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame_.get()));
  }

  // Runs deferred deletions, as the event loop would after the current command.
  static void FinishCommand() {
    vorelim::test::RunDeferredDeletes();
    QCoreApplication::processEvents();
  }

  // Sends a key to whatever has the focus in the active frame and finishes the command it gives.
  void Press(QKeyCombination key) {
    Activate();
    QWidget* target = frame_->focusWidget() ? frame_->focusWidget() : frame_.get();
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
    FinishCommand();
  }

  vorelim::test::FixedToday today_{{2026, 12, 7}};
  vorelim::test::TempFolder folder_;
  std::unique_ptr<TFORMDI> frame_;
};
