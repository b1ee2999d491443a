#pragma once
// The launcher's use of the operating system (POSIX): its settings file, testing that a file can
// be read, starting the program, and finding its own path. No user interface here.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "launcher/launcher.h"
#include "launcher/settings_files.h"

namespace korvex {

/// The whole content of the file at `path`; "" for a missing file, nothing when it exists but
/// cannot be read or is not a regular file.
std::optional<std::string> ReadWholeFile(const std::string& path);

/// The value of `key` in `section` of the settings file, or "" when the file, the section or the
/// key is missing (or the file cannot be read).
std::string ReadSettingsValue(const std::string& path, std::string_view section,
                              std::string_view key);

/// Sets `key` in `section` of the settings file, creating the file or the section when needed.
/// The new content goes to a temporary file in the same folder that then replaces the old one, so
/// a failure leaves the file as it was. Returns false on failure.
bool WriteSettingsValue(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);

/// True when `path` can be opened for reading and is not a folder. Never blocks (a FIFO counts).
bool CanOpenForReading(const std::string& path);

/// Starts `tokens[0]`, searched on the PATH, with the other tokens as its arguments, without a
/// shell and without waiting: the program runs in its own session and is never the launcher's
/// child, so it leaves no zombie behind. Returns 0 once the program runs, or the errno of the
/// start (ENOENT for a missing program, EACCES for one that may not be run, ...).
int StartDetached(const std::vector<std::string>& tokens);

/// The full path of the running executable, or `fallback` when the system does not say.
std::string ExecutablePath(std::string_view fallback);

/// The system part of the launcher's platform: everything but the dialogs, which the program adds
/// on top (and a benchmark replaces). The settings path the rules pass is the file beside the
/// program; the user's own file (launcher/settings_files.h) is read and written with it.
class SystemPlatform : public Platform {
 public:
  explicit SystemPlatform(std::string user_settings_path = UserSettingsPathFromEnvironment())
      : m_user_settings_path(std::move(user_settings_path)) {}

  /// Both files are read and parsed at the first look-up and again only after a write.
  std::string ReadSetting(const std::string& path, std::string_view section,
                          std::string_view key) override;
  /// A value that cannot be remembered anywhere is not shown to the user, only told on stderr.
  void WriteSetting(const std::string& path, std::string_view section, std::string_view key,
                    std::string_view value) override;
  bool CanOpenForReading(const std::string& path) override {
    return korvex::CanOpenForReading(path);
  }
  /// A program that cannot be started is told in one line on standard error.
  bool StartCommandLine(const std::vector<std::string>& tokens) override;
  PlatformId GetPlatformId() override { return PlatformId::kPosix; }

 private:
  std::string m_user_settings_path;
  // The settings as last read, and the beside path and section they were read for.
  std::optional<LoadedSettings> m_loaded;
  std::string m_loaded_path;
  std::string m_loaded_section;
};

}  // namespace korvex
