#pragma once
// The CD launcher's rules as plain functions. A help system starts korvex with a command line
// that names a program and its documents; korvex replaces %NAME% / $NAME$ references by folders
// from its settings file, makes sure every file argument exists (asking the user for another
// folder when one does not, and remembering the folder that worked), and starts the program.
//
// Everything that touches the system goes through `Platform`, so the rules run in tests against a
// fake and in the program against the POSIX and Qt implementations (launcher/system.h,
// launcher/dialogs.h).

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvex {

/// The settings section that holds the reference names and their folders.
inline constexpr std::string_view kSettingsSection = "QxLaunch";

/// Exit codes: the program was started / the launcher ended without starting it (no command line,
/// Cancel, no display for a dialog) / the program could not be started (missing, not executable),
/// 127 as a shell says it.
inline constexpr int kExitStarted = 0;
inline constexpr int kExitCancelled = -1;
inline constexpr int kExitNotStarted = 127;

/// The operating system family, as far as the launcher cares.
enum class PlatformId { kPosix, kWindowsNt };

/// What the launcher needs from the system.
class Platform {
 public:
  virtual ~Platform() = default;
  /// Value of `key` in `section` of the settings at `path` (the file beside the program, which the
  /// system layer reads together with the user's own); "" when file, section or key is missing.
  virtual std::string ReadSetting(const std::string& path, std::string_view section,
                                  std::string_view key) = 0;
  /// Remembers `value` under `key` in `section` of those settings; a failure is not shown.
  virtual void WriteSetting(const std::string& path, std::string_view section, std::string_view key,
                            std::string_view value) = 0;
  /// True when `path` names a file that can be opened for reading right now.
  virtual bool CanOpenForReading(const std::string& path) = 0;
  /// Starts the command line without waiting for it: `tokens[0]` is the program, searched on the
  /// PATH, and the rest its arguments, each passed whole. False when the program could not be
  /// started, having said why on standard error.
  virtual bool StartCommandLine(const std::vector<std::string>& tokens) = 0;
  virtual PlatformId GetPlatformId() = 0;
  /// Shows the notice that the launcher is meant for the help system, until the user closes it.
  virtual void ShowNotice() = 0;
  /// Asks for the folder of a missing file, offering `folder`; nothing when the user cancels.
  virtual std::optional<std::string> AskForFolder(const std::string& file_name,
                                                  const std::string& folder) = 0;
};

/// Splits a command line at runs of blanks and tabs; there is no quoting.
std::vector<std::string> SplitCommandLine(std::string_view text);

/// Joins tokens with single blanks.
std::string JoinCommandLine(const std::vector<std::string>& tokens);

/// The settings file for the executable at `executable_path`: everything after the last "." of
/// the file name replaced by "INI", or ".INI" appended when the file name has no ".".
std::string SettingsPathFor(std::string_view executable_path);

/// The state of one run that outlives a single token.
struct RunState {
  std::string settings_path;
  /// Name of the last reference met in any token so far.
  std::optional<std::string> current_key;
};

/// Replaces the references in `token`: "%" or "$" opens a name that ends at the next "%" or "$"
/// or at the end of the token; the name's folder from the settings replaces it, and a "/" or "\"
/// right after the closing marker is skipped. Each name met becomes the current key.
std::string ReplaceReferences(std::string_view token, RunState& state, Platform& platform);

/// Turns each "\" into "/": command lines are written with the other platform's separator.
std::string ToLocalSeparators(std::string_view token);

/// True for an argument that is passed on untested: it starts with "-", or with "/" and has no
/// further "/" or "\" (such as "/play").
bool IsSwitch(std::string_view token);

/// On Windows NT, a program whose file name is exactly "MPLAYER.EXE" becomes "MPLAY32.EXE" in the
/// same folder; otherwise `program` is returned unchanged.
std::string SubstituteMediaPlayer(std::string_view program, PlatformId platform);

/// Makes sure the file `path` exists, asking the user for its folder until it is found; returns
/// the path where it was found, or nothing when the user cancelled. A folder the user confirmed
/// is written under the current key once the file is found there.
std::optional<std::string> LocateFile(std::string path, RunState& state, Platform& platform);

/// The whole run: `arguments` are the launcher's arguments (without its own name). Returns the
/// exit code: kExitStarted, kExitCancelled or kExitNotStarted.
int RunLauncher(const std::vector<std::string>& arguments, std::string_view executable_path,
                Platform& platform);

}  // namespace korvex
