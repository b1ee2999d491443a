// The launcher's rules against a fake platform: tokens, references, substitution, switches, the
// locate loop and what ends up started and written.
#include "launcher/launcher.h"

#include <deque>
#include <map>
#include <set>
#include <tuple>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace korvex {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char kExe[] = "/cd/korvex";
constexpr char kIni[] = "/cd/korvex.INI";

struct Asked {
  std::string file_name;
  std::string folder;
  bool operator==(const Asked&) const = default;
};

struct Written {
  std::string path, section, key, value;
  bool operator==(const Written&) const = default;
};

class FakePlatform : public Platform {
 public:
  std::map<std::string, std::string> settings;  // key -> value of section QxLaunch
  std::set<std::string> files;
  std::deque<std::optional<std::string>> answers;  // dialog 1001 answers; none left = Cancel
  PlatformId id = PlatformId::kPosix;

  std::vector<std::string> read_keys;
  std::vector<std::string> tested;
  std::vector<Asked> asked;
  std::vector<Written> written;
  std::optional<std::vector<std::string>> started;
  int notices = 0;

  std::string ReadSetting(const std::string& path, std::string_view section,
                          std::string_view key) override {
    EXPECT_EQ(path, kIni);
    EXPECT_EQ(section, "QxLaunch");
    read_keys.emplace_back(key);
    const auto it = settings.find(std::string(key));
    return it == settings.end() ? "" : it->second;
  }
  void WriteSetting(const std::string& path, std::string_view section, std::string_view key,
                    std::string_view value) override {
    written.push_back({path, std::string(section), std::string(key), std::string(value)});
    settings[std::string(key)] = value;
  }
  bool CanOpenForReading(const std::string& path) override {
    tested.push_back(path);
    return files.count(path) > 0;
  }
  bool StartCommandLine(const std::vector<std::string>& tokens) override {
    started = tokens;
    return true;
  }
  PlatformId GetPlatformId() override { return id; }
  void ShowNotice() override { ++notices; }
  std::optional<std::string> AskForFolder(const std::string& file_name,
                                          const std::string& folder) override {
    asked.push_back({file_name, folder});
    if (answers.empty()) return std::nullopt;
    auto answer = answers.front();
    answers.pop_front();
    return answer;
  }

  int Run(std::vector<std::string> arguments) { return RunLauncher(arguments, kExe, *this); }
  std::vector<std::string> Started() const {
    return started.value_or(std::vector<std::string>{"<nothing started>"});
  }
};

TEST(launcher_test, command_line_is_split_at_runs_of_blanks_and_tabs) {
  EXPECT_THAT(SplitCommandLine("  prog \t\t a.avi\t/play  "),
              ElementsAre("prog", "a.avi", "/play"));
  EXPECT_THAT(SplitCommandLine(" \t "), IsEmpty());

  FakePlatform p;
  p.files = {"a", "b"};
  EXPECT_EQ(p.Run({"prog  a", "\tb"}), kExitStarted);
  EXPECT_THAT(p.Started(), ElementsAre("prog", "a", "b"));
}

TEST(launcher_test, settings_path_replaces_the_extension_of_the_file_name_only) {
  const std::string long_folder(10000, 'f');
  const struct {
    const char* name;
    std::string exe, ini;
  } rows[] = {
      {"no extension", "/cd/korvex", "/cd/korvex.INI"},
      {"extension", "/cd/korvex.EXE", "/cd/korvex.INI"},
      {"last dot only", "/cd/k.tar.gz", "/cd/k.tar.INI"},
      {"dot in folder", "/opt/v1.2/korvex", "/opt/v1.2/korvex.INI"},
      {"long path kept whole", "/" + long_folder + "/korvex", "/" + long_folder + "/korvex.INI"},
  };
  for (const auto& row : rows) EXPECT_EQ(SettingsPathFor(row.exe), row.ini) << row.name;
}

TEST(launcher_test, references_are_replaced_by_their_folders) {
  const struct {
    const char* token;
    const char* result;
    std::vector<std::string> keys;
  } rows[] = {
      {"%CD%\\DEMO\\FILE.AVI", "/media/cdrom/DEMO\\FILE.AVI", {"CD"}},
      {"%CD%FILE.AVI", "/media/cdrom/FILE.AVI", {"CD"}},
      {"%CD$/FILE.AVI", "/media/cdrom/FILE.AVI", {"CD"}},
      {"$CD%\\\\FILE.AVI", "/media/cdrom/\\FILE.AVI", {"CD"}},
      {"pre%CD", "pre/media/cdrom/", {"CD"}},
      {"%NONE%FILE.AVI", "FILE.AVI", {"NONE"}},
      {"%X%%CD%a", "x/media/cdrom/a", {"X", "CD"}},
      {"100%", "100", {""}},
  };
  for (const auto& row : rows) {
    FakePlatform p;
    p.settings = {{"CD", "/media/cdrom/"}, {"X", "x"}};
    RunState state{kIni, std::nullopt};
    EXPECT_EQ(ReplaceReferences(row.token, state, p), row.result) << row.token;
    EXPECT_EQ(p.read_keys, row.keys) << row.token;
    EXPECT_EQ(state.current_key, row.keys.back()) << row.token;
  }
}

TEST(launcher_test, switches_are_passed_on_untested) {
  for (const char* token : {"/play", "-x", "/"}) EXPECT_TRUE(IsSwitch(token)) << token;
  for (const char* token : {"/media/a", "/a\\b", "play", "x-"}) EXPECT_FALSE(IsSwitch(token));

  FakePlatform p;
  p.settings = {{"SW", "/close"}};
  EXPECT_EQ(p.Run({"prog", "/play", "%SW%", "-x"}), kExitStarted);
  EXPECT_THAT(p.tested, IsEmpty());
  EXPECT_THAT(p.Started(), ElementsAre("prog", "/play", "/close", "-x"));
}

TEST(launcher_test, media_player_is_substituted_on_nt_only) {
  const struct {
    const char* program;
    PlatformId id;
    const char* result;
  } rows[] = {
      {"MPLAYER.EXE", PlatformId::kWindowsNt, "MPLAY32.EXE"},
      {"C:\\WINDOWS\\MPLAYER.EXE", PlatformId::kWindowsNt, "C:/WINDOWS/MPLAY32.EXE"},
      {"MPLAYER.EXE", PlatformId::kPosix, "MPLAYER.EXE"},
      {"mplayer.exe", PlatformId::kWindowsNt, "mplayer.exe"},
      {"XMPLAYER.EXE", PlatformId::kWindowsNt, "XMPLAYER.EXE"},
  };
  for (const auto& row : rows) {
    FakePlatform p;
    p.id = row.id;
    EXPECT_EQ(p.Run({row.program}), kExitStarted);
    EXPECT_THAT(p.Started(), ElementsAre(row.result)) << row.program;
  }
}

TEST(launcher_test, no_arguments_shows_the_notice_and_starts_nothing) {
  FakePlatform p;
  EXPECT_EQ(p.Run({}), kExitCancelled);
  EXPECT_EQ(p.Run({" ", "\t"}), kExitCancelled);
  EXPECT_EQ(p.notices, 2);
  EXPECT_FALSE(p.started);
  EXPECT_THAT(p.read_keys, IsEmpty());
}

TEST(launcher_test, files_present_start_at_once_and_write_nothing) {
  FakePlatform p;
  p.settings = {{"CD", "/media/cdrom/"}};
  p.files = {"/media/cdrom/DEMO/FILE.AVI", "/media/cdrom/B.AVI"};
  EXPECT_EQ(p.Run({"%CD%\\BIN\\PLAY", "%CD%\\DEMO\\FILE.AVI", "%CD$B.AVI"}), kExitStarted);
  EXPECT_THAT(p.Started(), ElementsAre("/media/cdrom/BIN/PLAY", "/media/cdrom/DEMO/FILE.AVI",
                                       "/media/cdrom/B.AVI"));
  EXPECT_THAT(p.asked, IsEmpty());
  EXPECT_THAT(p.written, IsEmpty());
}

// A missing D:/DEMO/FILE.AVI: the user types E:/DEMO, the file is found there, E:/DEMO/ is
// remembered under CD, and later references to CD resolve against it.
TEST(launcher_test, folder_confirmed_in_the_dialog_is_remembered_under_the_current_key) {
  FakePlatform p;
  p.settings = {{"CD", "D:/"}};
  p.files = {"E:/DEMO/FILE.AVI", "E:/DEMO/B.AVI", "E:/DEMO/DEMO/C.AVI"};
  p.answers = {"E:/DEMO"};
  EXPECT_EQ(p.Run({"prog", "%CD%\\DEMO\\FILE.AVI", "%CD%\\B.AVI", "%CD%\\DEMO\\C.AVI"}),
            kExitStarted);
  EXPECT_THAT(p.asked, ElementsAre(Asked{"FILE.AVI", "D:/DEMO"}));
  EXPECT_THAT(p.tested, ElementsAre("D:/DEMO/FILE.AVI", "E:/DEMO/FILE.AVI", "E:/DEMO/B.AVI",
                                    "E:/DEMO/DEMO/C.AVI"));
  // Found at once later: nothing more is written.
  EXPECT_THAT(p.written, ElementsAre(Written{kIni, "QxLaunch", "CD", "E:/DEMO/"}));
  EXPECT_THAT(p.Started(),
              ElementsAre("prog", "E:/DEMO/FILE.AVI", "E:/DEMO/B.AVI", "E:/DEMO/DEMO/C.AVI"));
}

TEST(launcher_test, dialog_answers_build_the_next_path_to_test) {
  const struct {
    const char* name;
    const char* token;
    std::deque<std::optional<std::string>> answers;
    std::vector<Asked> asked;
    const char* found;
  } rows[] = {
      {"empty entry tests the root folder", "%CD%\\A.AVI", {""}, {{"A.AVI", "/x"}}, "/A.AVI"},
      {"separator not doubled", "%CD%\\A.AVI", {"/y/"}, {{"A.AVI", "/x"}}, "/y/A.AVI"},
      {"asked again with the folder typed",
       "%CD%\\A.AVI",
       {"/wrong", "/y"},
       {{"A.AVI", "/x"}, {"A.AVI", "/wrong"}},
       "/y/A.AVI"},
      {"argument without a folder", "A.AVI", {"/y"}, {{"A.AVI", ""}}, "/y/A.AVI"},
      {"separator in front does not split", "\\Q.AVI", {"/y"}, {{"/Q.AVI", ""}}, "/y//Q.AVI"},
  };
  for (const auto& row : rows) {
    FakePlatform p;
    p.settings = {{"CD", "/x/"}};
    p.files = {"/A.AVI", "/y/A.AVI", "/y//Q.AVI"};
    p.answers = row.answers;
    EXPECT_EQ(p.Run({"prog", row.token}), kExitStarted) << row.name;
    EXPECT_EQ(p.asked, row.asked) << row.name;
    EXPECT_EQ(p.Started().back(), row.found) << row.name;
  }
}

TEST(launcher_test, cancel_ends_with_minus_one_and_starts_nothing) {
  FakePlatform p;
  p.settings = {{"CD", "/x/"}};
  p.files = {"/y/A.AVI"};
  p.answers = {"/y", std::nullopt};
  EXPECT_EQ(p.Run({"prog", "%CD%A.AVI", "%CD%B.AVI", "%CD%C.AVI"}), kExitCancelled);
  EXPECT_FALSE(p.started);
  EXPECT_EQ(p.asked.size(), 2u);  // C.AVI is never looked at
  // The folder confirmed for the first argument stays written.
  EXPECT_THAT(p.written, ElementsAre(Written{kIni, "QxLaunch", "CD", "/y/"}));
}

TEST(launcher_test, folder_confirmed_before_any_reference_is_not_written) {
  FakePlatform p;
  p.files = {"/y/A.AVI"};
  p.answers = {"/y"};
  EXPECT_EQ(p.Run({"prog", "/x/A.AVI"}), kExitStarted);
  EXPECT_THAT(p.written, IsEmpty());
  EXPECT_THAT(p.Started(), ElementsAre("prog", "/y/A.AVI"));
}

TEST(launcher_test, long_tokens_and_folders_are_handled_whole) {
  const std::string folder = "/" + std::string(9999, 'f');
  const std::string other = "/" + std::string(9999, 'g');
  const std::string name(10000, 'n');
  FakePlatform p;
  p.settings = {{"CD", folder + "/"}};
  p.files = {folder + "/" + name, other + "/Z" + name};
  p.answers = {other};
  EXPECT_EQ(p.Run({"prog", "%CD%" + name, "%CD%\\Z" + name}), kExitStarted);
  EXPECT_THAT(p.asked, ElementsAre(Asked{"Z" + name, folder}));
  EXPECT_THAT(p.written, ElementsAre(Written{kIni, "QxLaunch", "CD", other + "/"}));
  EXPECT_THAT(p.Started(), ElementsAre("prog", folder + "/" + name, other + "/Z" + name));
}

}  // namespace
}  // namespace korvex
