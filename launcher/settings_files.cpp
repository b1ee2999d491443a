#include "launcher/settings_files.h"

#include <sys/stat.h>

#include <cstdlib>
#include <optional>

#include "launcher/profile.h"
#include "launcher/system.h"

namespace korvex {
namespace {

bool IsAbsoluteFolder(const char* folder) {
  return folder != nullptr && folder[0] == '/';
}

std::optional<std::string> FindValue(const std::string& path, std::string_view section,
                                     std::string_view key) {
  if (path.empty()) return std::nullopt;
  const auto text = ReadWholeFile(path);
  if (!text) return std::nullopt;
  return FindProfileValue(*text, section, key);
}

ProfileSection LoadSection(const std::string& path, std::string_view section) {
  if (path.empty()) return {};
  const auto text = ReadWholeFile(path);
  if (!text) return {};
  return ProfileSection(*text, section);
}

bool Exists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

// Creates the folders above `path` that are missing, each readable by its owner only.
bool CreateParentFolders(const std::string& path) {
  for (auto slash = path.find('/', 1); slash != std::string::npos;
       slash = path.find('/', slash + 1)) {
    const std::string folder = path.substr(0, slash);
    struct stat st {};
    if (::mkdir(folder.c_str(), 0700) != 0 &&
        (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::string UserSettingsPath(const char* xdg_config_home, const char* home) {
  auto without_end_slashes = [](std::string folder) {
    while (!folder.empty() && folder.back() == '/') folder.pop_back();
    return folder;
  };
  std::string config;
  if (IsAbsoluteFolder(xdg_config_home)) {
    config = without_end_slashes(xdg_config_home);
  } else if (IsAbsoluteFolder(home)) {
    config = without_end_slashes(home) + "/.config";
  } else {
    return {};
  }
  return config + "/korvex/korvex.INI";
}

std::string UserSettingsPathFromEnvironment() {
  return UserSettingsPath(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

std::string LookUpSetting(const SettingsFiles& files, std::string_view section,
                          std::string_view key) {
  return LoadedSettings(files, section).LookUp(key);
}

LoadedSettings::LoadedSettings(const SettingsFiles& files, std::string_view section)
    : m_per_user(LoadSection(files.per_user, section)),
      m_beside(LoadSection(files.beside, section)) {}

std::string LoadedSettings::LookUp(std::string_view key) const {
  if (auto value = m_per_user.Find(key)) return *value;
  return m_beside.Find(key).value_or(std::string());
}

SettingWritten RememberSetting(const SettingsFiles& files, std::string_view section,
                               std::string_view key, std::string_view value) {
  if (!IsStorableKey(key) || !IsStorableValue(value)) return SettingWritten::kRefused;
  const bool user_holds_key = FindValue(files.per_user, section, key).has_value();
  if (!user_holds_key && Exists(files.beside) &&
      WriteSettingsValue(files.beside, section, key, value)) {
    return SettingWritten::kBeside;
  }
  if (!files.per_user.empty() && CreateParentFolders(files.per_user) &&
      WriteSettingsValue(files.per_user, section, key, value)) {
    return SettingWritten::kPerUser;
  }
  return SettingWritten::kFailed;
}

}  // namespace korvex
