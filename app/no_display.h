#pragma once
// Qt ends a program whose display cannot be opened (no graphical session, a wrong DISPLAY) with a
// core dump and several English lines. While the application object is being made, this turns
// that end into one line in Portuguese on standard error, naming the display that could not be
// opened and how to run the program, and exit status 1.

namespace vorelim {

/// The exit status when no display can be opened.
inline constexpr int kNoDisplayExitCode = 1;

/// Starts watching Qt's messages. Call with the program's arguments just before the application
/// object is made from them (Qt takes its own options, such as -display, out of them as it starts).
/// Returns `argc`, so that the application's constructor can call it on the way to its base.
int& WatchForNoDisplay(int& argc, char** argv);

/// Stops watching once the application object exists, and passes on what Qt said meanwhile.
void StopWatchingForNoDisplay();

}  // namespace vorelim
