#pragma once
// Where korvex keeps its settings. Two profile files of the same form: the one beside the program,
// which the CD's producer ships and which may sit on read-only media or in a system folder, and
// the user's own under the configuration folder. A key in the user's file wins; a remembered
// folder goes beside the program when that file exists and can be replaced, otherwise to the
// user's file. korvex never creates a file beside itself.

#include <string>
#include <string_view>

#include "launcher/profile.h"

namespace korvex {

/// The two settings files of one run.
struct SettingsFiles {
  /// Beside the program (SettingsPathFor its own path).
  std::string beside;
  /// The user's own; "" when the user has no configuration folder.
  std::string per_user;
};

/// The user's settings file "$XDG_CONFIG_HOME/korvex/korvex.INI", or "$HOME/.config/korvex/
/// korvex.INI" when XDG_CONFIG_HOME is unset, empty or relative (a relative one is ignored, as the
/// XDG base directories say); "" when neither names an absolute folder. Null stands for unset.
std::string UserSettingsPath(const char* xdg_config_home, const char* home);

/// UserSettingsPath from this process's environment.
std::string UserSettingsPathFromEnvironment();

/// The value of `key` in `section`: from the user's file when it holds the key, else from the
/// file beside the program, else "" (a missing or unreadable file holds no key).
std::string LookUpSetting(const SettingsFiles& files, std::string_view section,
                          std::string_view key);

/// One section of both settings files, read and parsed at construction: a run resolves every
/// reference from memory, so many references to a large file cost about one reading of it.
/// Answers as LookUpSetting does for the files as they were when read.
class LoadedSettings {
 public:
  LoadedSettings(const SettingsFiles& files, std::string_view section);
  std::string LookUp(std::string_view key) const;

 private:
  ProfileSection m_per_user;
  ProfileSection m_beside;
};

/// Where RememberSetting put a value.
enum class SettingWritten {
  kBeside,   // into the file beside the program
  kPerUser,  // into the user's file
  kRefused,  // the key or the value would break the file; nothing was touched
  kFailed,   // neither file could be written
};

/// Remembers `value` under `key` in `section`. The user's file takes it when it already holds the
/// key (it would win over the file beside the program on the next read); otherwise the file beside
/// the program when it exists and this user can replace it; otherwise the user's file, created
/// with its folders (mode 0700) when missing. Each write is atomic (WriteSettingsValue).
SettingWritten RememberSetting(const SettingsFiles& files, std::string_view section,
                               std::string_view key, std::string_view value);

}  // namespace korvex
