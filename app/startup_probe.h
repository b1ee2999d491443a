#pragma once
// A measuring aid for the start-up benchmark (bench/bench_startup.cpp), off unless asked for.
//
// With VORELIM_EXIT_WHEN_IDLE=1 in the environment, the program waits until its main window has
// been shown (exposed and painted) and the event loop then has nothing left to do, prints one line
//   startup-idle monotonic_ns=<CLOCK_MONOTONIC in ns> rss_kb=<resident memory in KiB>
// on standard output and leaves the event loop with exit code 0. Any other value, or no variable,
// changes nothing. The splash animation is left out: its frames are paced by a timer whose first
// tick comes after the loop first waits.

#include <QtGlobal>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

namespace vorelim {

/// The environment variable that turns the probe on.
inline constexpr char kExitWhenIdleVariable[] = "VORELIM_EXIT_WHEN_IDLE";

/// Arms the probe for `window` when the environment asks for it; call before the event loop.
/// Returns true when armed.
bool ExitWhenIdleIfAsked(QWidget& window);

/// The resident memory of this process in KiB, from /proc/self/statm; 0 when unknown.
long ResidentKib();

}  // namespace vorelim
