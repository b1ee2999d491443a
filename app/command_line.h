#pragma once
// The chart program's command line: `vorelim [FILE...]` opens each file as "A&brir" opens a chosen
// one; `--help` and `--version` print and end the program before any window is created, as does
// an option it does not know (with a message, exit code 1).

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <optional>

namespace vorelim {

struct CommandLine {
  /// The files named, in order, as absolute paths and with the bytes they were given in (a name
  /// need not be UTF-8): resolved against the folder the program was started in, before opening
  /// one of them makes its folder the current one.
  QByteArrayList files;
  /// Set when the program ends at once, after printing `output`.
  std::optional<int> exit_code;
  /// The help or version text (standard output), or the message on a bad option (standard error).
  QString output;
};

/// Reads the program's arguments as the system gave them: the program name first, then what Qt's
/// own options (such as -platform) left, which is what argv holds once the application object is
/// made. Needs the application object, whose translator gives Qt's texts.
CommandLine ReadCommandLine(const QByteArrayList& arguments);

/// Qt ends the process while it makes the application object when there is no display, before
/// --help or --version could print. When one of them is on the command line (before a "--"), this
/// points Qt at its offscreen platform, whatever display is set: they show no window. Call before
/// the application object is made.
void AllowPrintingWithoutDisplay(int argc, char** argv);

/// Prints `command_line.output` where it belongs and returns the exit code.
int PrintCommandLineAnswer(const CommandLine& command_line);

}  // namespace vorelim
