#include "launcher/launcher.h"

#include <cstddef>

namespace korvex {
namespace {

constexpr std::string_view kMarkers = "%$";
constexpr std::string_view kSeparators = "/\\";

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view text) {
  std::vector<std::string> tokens;
  std::size_t pos = 0;
  while (true) {
    const auto begin = text.find_first_not_of(" \t", pos);
    if (begin == std::string_view::npos) break;
    const auto end = text.find_first_of(" \t", begin);
    tokens.emplace_back(text.substr(begin, end == std::string_view::npos ? end : end - begin));
    if (end == std::string_view::npos) break;
    pos = end;
  }
  return tokens;
}

std::string JoinCommandLine(const std::vector<std::string>& tokens) {
  std::string line;
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (i > 0) line += ' ';
    line += tokens[i];
  }
  return line;
}

std::string SettingsPathFor(std::string_view executable_path) {
  const auto slash = executable_path.rfind('/');
  const std::size_t name_start = slash == std::string_view::npos ? 0 : slash + 1;
  const auto dot = executable_path.rfind('.');
  if (dot == std::string_view::npos || dot < name_start) {
    return std::string(executable_path) + ".INI";
  }
  return std::string(executable_path.substr(0, dot + 1)) + "INI";
}

std::string ReplaceReferences(std::string_view token, RunState& state, Platform& platform) {
  std::string result;
  result.reserve(token.size());
  std::size_t i = 0;
  while (i < token.size()) {
    if (kMarkers.find(token[i]) == std::string_view::npos) {
      result += token[i++];
      continue;
    }
    const auto close = token.find_first_of(kMarkers, i + 1);
    const std::size_t name_end = close == std::string_view::npos ? token.size() : close;
    std::string name(token.substr(i + 1, name_end - i - 1));
    result += platform.ReadSetting(state.settings_path, kSettingsSection, name);
    state.current_key = std::move(name);
    if (close == std::string_view::npos) break;
    i = close + 1;
    // Stored folders end with a separator already.
    if (i < token.size() && kSeparators.find(token[i]) != std::string_view::npos) ++i;
  }
  return result;
}

std::string ToLocalSeparators(std::string_view token) {
  std::string local(token);
  for (char& c : local) {
    if (c == '\\') c = '/';
  }
  return local;
}

bool IsSwitch(std::string_view token) {
  if (token.empty()) return false;
  if (token.front() == '-') return true;
  return token.front() == '/' && token.find_first_of(kSeparators, 1) == std::string_view::npos;
}

std::string SubstituteMediaPlayer(std::string_view program, PlatformId platform) {
  const auto slash = program.rfind('/');
  const std::size_t name_start = slash == std::string_view::npos ? 0 : slash + 1;
  if (platform != PlatformId::kWindowsNt || program.substr(name_start) != "MPLAYER.EXE") {
    return std::string(program);
  }
  return std::string(program.substr(0, name_start)) + "MPLAY32.EXE";
}

std::optional<std::string> LocateFile(std::string path, RunState& state, Platform& platform) {
  std::string folder;
  bool confirmed = false;
  while (!platform.CanOpenForReading(path)) {
    // A separator in the first position does not split: "/FILE" has no folder part to offer.
    const auto slash = path.rfind('/');
    std::string file_name;
    if (slash == std::string::npos || slash == 0) {
      folder.clear();
      file_name = path;
    } else {
      folder = path.substr(0, slash);
      file_name = path.substr(slash + 1);
    }
    auto answer = platform.AskForFolder(file_name, folder);
    if (!answer) return std::nullopt;
    folder = std::move(*answer);
    if (folder.empty() || folder.back() != '/') folder += '/';
    confirmed = true;
    path = folder + file_name;
  }
  // Only a folder the user confirmed for this file is remembered, and only under a key that a
  // reference has named.
  if (confirmed && state.current_key) {
    platform.WriteSetting(state.settings_path, kSettingsSection, *state.current_key, folder);
  }
  return path;
}

int RunLauncher(const std::vector<std::string>& arguments, std::string_view executable_path,
                Platform& platform) {
  const std::vector<std::string> tokens = SplitCommandLine(JoinCommandLine(arguments));
  if (tokens.empty()) {
    platform.ShowNotice();
    return kExitCancelled;
  }

  RunState state{SettingsPathFor(executable_path), std::nullopt};
  std::vector<std::string> command;
  command.reserve(tokens.size());
  command.push_back(
      SubstituteMediaPlayer(ToLocalSeparators(ReplaceReferences(tokens.front(), state, platform)),
                            platform.GetPlatformId()));

  for (std::size_t i = 1; i < tokens.size(); ++i) {
    std::string token = ReplaceReferences(tokens[i], state, platform);
    if (IsSwitch(token)) {
      command.push_back(std::move(token));
      continue;
    }
    auto located = LocateFile(ToLocalSeparators(token), state, platform);
    if (!located) return kExitCancelled;
    command.push_back(std::move(*located));
  }

  return platform.StartCommandLine(command) ? kExitStarted : kExitNotStarted;
}

}  // namespace korvex
