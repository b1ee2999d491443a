#pragma once
// What a click on the maximise button of Qt's own Wayland title bar does to a fixed-size window,
// for the tests that run in a headless weston (tests/support/on_weston.sh).

#include <QWidget>

namespace vorelim::test {

/// Shows `window`, asks for it maximised as the title bar's button does and checks, with gtest
/// expectations, that the compositor granted it and the window is back at its fixed size and
/// still fixed, with frames at that size delivered. A size the compositor does not accept ends
/// the connection, and the test program with it.
void ExpectMaximiseButtonKeepsFixedSize(QWidget& window);

}  // namespace vorelim::test
