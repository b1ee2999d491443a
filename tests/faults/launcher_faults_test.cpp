// The launcher against hostile input: shell text in its tokens, references and typed folders that
// try to write elsewhere, a settings file of several MiB with 100,000-character lines, and a
// settings file that is a named pipe. The real korvex binary runs where the whole program matters;
// its exit is awaited with a deadline, so a hang fails the test instead of blocking it.

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "launcher/launcher.h"
#include "launcher/launcher_support.h"
#include "launcher/profile.h"
#include "launcher/system.h"
#include "support/files.h"
#include "support/temp_folder.h"

extern char** environ;

namespace korvex {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

using vorelim::test::ReadFileBytes;
using vorelim::test::WriteFileBytes;

// Every file and link below `root` with its content (or link target).
std::map<std::string, std::string> Snapshot(const fs::path& root) {
  std::map<std::string, std::string> tree;
  for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
       ++it) {
    const fs::path& path = it->path();
    const std::string key = fs::relative(path, root).string();
    if (it->is_symlink()) {
      tree[key] = "-> " + fs::read_symlink(path).string();
    } else if (it->is_regular_file()) {
      tree[key] = ReadFileBytes(path);
    } else if (it->is_directory()) {
      tree[key] = "<dir>";
    } else {
      tree[key] = "<other>";
    }
  }
  return tree;
}

// Runs `argv` in `folder` without a display and returns its exit status, or nothing when it has
// not ended within `timeout` (it is then killed).
std::optional<int> RunFor(const std::vector<std::string>& argv, const fs::path& folder,
                          const std::string& record, std::chrono::milliseconds timeout) {
  std::vector<std::string> env_entries = {"PATH=/usr/bin:/bin", "KORVEX_RECORD=" + record};
  std::vector<char*> args, envp;
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  for (const auto& e : env_entries) envp.push_back(const_cast<char*>(e.c_str()));
  args.push_back(nullptr);
  envp.push_back(nullptr);
  const fs::path previous = fs::current_path();
  fs::current_path(folder);
  pid_t pid = -1;
  const int spawned = posix_spawn(&pid, args[0], nullptr, nullptr, args.data(), envp.data());
  fs::current_path(previous);
  if (spawned != 0) return std::nullopt;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  int status = 0;
  while (::waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, &status, 0);
      return std::nullopt;
    }
    std::this_thread::sleep_for(5ms);
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A copy of korvex with its settings file in a temporary folder, as installed on a CD.
class korvex_fault_test : public ::testing::Test {
 protected:
  void SetUp() override { fs::copy_file(KORVEX_BINARY, korvex_); }

  std::optional<int> Run(std::vector<std::string> arguments, std::chrono::milliseconds timeout) {
    arguments.insert(arguments.begin(), korvex_.string());
    return RunFor(arguments, root_, record_.string(), timeout);
  }

  vorelim::test::TempFolder folder_{false};
  fs::path root_ = folder_.path();
  fs::path korvex_ = root_ / "korvex";
  fs::path ini_ = root_ / "korvex.INI";
  fs::path record_ = root_ / "record";
  std::string recorder_ = KORVEX_RECORDER;
};

TEST_F(korvex_fault_test, shell_text_in_tokens_is_never_interpreted) {
  // Files whose names hold shell syntax; if a shell ever saw them, it would create PWNED files.
  const std::vector<std::string> names = {"a;touch_PWNED1", "`touch_PWNED2`", "x|tee_PWNED3",
                                          ">PWNED4",        "&&touch_PWNED5", "'\"(){}*?!#~"};
  std::vector<std::string> arguments = {recorder_};
  for (const auto& name : names) {
    WriteFileBytes(root_ / name, "x");
    arguments.push_back(name);
  }
  const auto before = Snapshot(root_);
  EXPECT_EQ(Run(arguments, 20s), 0);
  const auto record = test::WaitForRecord(record_, 10s);
  ASSERT_TRUE(record) << "the program was not started";
  std::vector<std::string> expected = {recorder_};
  for (const auto& name : names) expected.push_back(name);
  EXPECT_EQ(*record, expected);
  auto after = Snapshot(root_);
  after.erase("record");
  EXPECT_EQ(after, before);
}

// The system platform with the user's answers to "File Not Found" scripted.
class AnsweringPlatform : public SystemPlatform {
 public:
  // The user's settings file lies in `root`, so a write there would show in its snapshot.
  AnsweringPlatform(std::vector<std::string> answers, const fs::path& root)
      : SystemPlatform((root / "config" / "korvex" / "korvex.INI").string()),
        answers_(std::move(answers)) {}
  void ShowNotice() override {}
  std::optional<std::string> AskForFolder(const std::string&, const std::string&) override {
    if (next_ == answers_.size()) return std::nullopt;
    return answers_[next_++];
  }
  bool StartCommandLine(const std::vector<std::string>& tokens) override {
    started = tokens;
    return true;
  }
  std::vector<std::string> started;

 private:
  std::vector<std::string> answers_;
  std::size_t next_ = 0;
};

TEST(launcher_faults_test, nothing_but_the_settings_file_is_ever_written) {
  vorelim::test::TempFolder folder(false);
  const fs::path root = folder.path();
  const fs::path cd = root / "cd";
  const fs::path elsewhere = root / "elsewhere";
  fs::create_directories(cd);
  fs::create_directories(elsewhere);
  WriteFileBytes(cd / "FILE.AVI", "x");
  WriteFileBytes(elsewhere / "real.INI", "[QxLaunch]\nCD=/nowhere/\n");
  // A folder whose name holds a line break and a section: found, but never written as a value.
  const fs::path odd = root / "x\n[QxLaunch]\nEVIL=";
  fs::create_directories(odd);
  WriteFileBytes(odd / "ODD.AVI", "x");

  const struct {
    const char* name;
    std::vector<std::string> tokens;
    std::vector<std::string> answers;
    std::string settings;        // content of korvex.INI before the run
    std::string settings_after;  // its content afterwards
  } rows[] = {
      {"reference to a path-like key",
       {"prog", "%../../elsewhere/real%/FILE.AVI"},
       {cd.string()},
       "[QxLaunch]\n",
       "[QxLaunch]\n../../elsewhere/real=" + cd.string() + "/\n"},
      {"key that cannot be stored",
       {"prog", "%A=B%/FILE.AVI"},
       {cd.string()},
       "[QxLaunch]\nA=1\n",
       "[QxLaunch]\nA=1\n"},
      {"folder with a line break",
       {"prog", "%CD%/ODD.AVI"},
       {odd.string()},
       "[QxLaunch]\nCD=/nowhere/\n",
       "[QxLaunch]\nCD=/nowhere/\n"},
      {"key that looks like a section",
       {"prog", "%[Other]%/FILE.AVI"},
       {cd.string()},
       "[QxLaunch]\n",
       "[QxLaunch]\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const fs::path exe = root / "korvex";
    const fs::path ini = root / "korvex.INI";
    WriteFileBytes(ini, row.settings);
    auto before = Snapshot(root);
    AnsweringPlatform platform(row.answers, root);
    EXPECT_EQ(RunLauncher(row.tokens, exe.string(), platform), kExitStarted);
    EXPECT_EQ(platform.started.size(), row.tokens.size());
    auto after = Snapshot(root);
    EXPECT_EQ(after["korvex.INI"], row.settings_after);
    after.erase("korvex.INI");
    before.erase("korvex.INI");
    EXPECT_EQ(after, before);
  }

  // A settings file that is a link elsewhere: the write replaces the link, never the target.
  const fs::path exe = root / "korvex";
  const fs::path ini = root / "korvex.INI";
  fs::remove(ini);
  fs::create_symlink(elsewhere / "real.INI", ini);
  AnsweringPlatform platform({cd.string()}, root);
  EXPECT_EQ(RunLauncher({"prog", "%CD%/FILE.AVI"}, exe.string(), platform), kExitStarted);
  EXPECT_EQ(ReadFileBytes(elsewhere / "real.INI"), "[QxLaunch]\nCD=/nowhere/\n");
  EXPECT_EQ(ReadSettingsValue(ini.string(), "QxLaunch", "CD"), cd.string() + "/");
}

TEST_F(korvex_fault_test, settings_file_of_several_mib_with_long_lines) {
  fs::create_directories(root_ / "cd" / "DEMO");
  WriteFileBytes(root_ / "cd" / "DEMO" / "FILE.AVI", "x");
  // 8 MiB: comment lines and keys of 100,000 characters, the wanted key at the very end.
  std::string ini = "[QxLaunch]\r\n";
  const std::string long_text(100'000, 'v');
  for (int i = 0; ini.size() < (8u << 20); ++i) {
    ini += "; " + long_text + "\r\n";
    ini += "K" + std::to_string(i) + long_text + "=" + long_text + "\r\n";
  }
  ini += "BIN=" + fs::path(recorder_).parent_path().string() + "/\r\n";
  ini += "CD=" + root_.string() + "/cd/\r\n";
  WriteFileBytes(ini_, ini);
  const std::string long_switch = "-" + long_text;

  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Run({"%BIN%korvex_recorder", "%CD%DEMO/FILE.AVI", long_switch}, 60s), 0);
  const auto record = test::WaitForRecord(record_, 10s);
  ASSERT_TRUE(record) << "the program was not started";
  EXPECT_EQ(*record, (std::vector<std::string>{recorder_, root_.string() + "/cd/DEMO/FILE.AVI",
                                               long_switch}));
  EXPECT_LT(std::chrono::steady_clock::now() - start, 30s);
  EXPECT_EQ(ReadFileBytes(ini_), ini);

  // Updating the last key rewrites only its line.
  ASSERT_TRUE(WriteSettingsValue(ini_.string(), "QxLaunch", "CD", "/media/cd/"));
  std::string expected = ini;
  expected.replace(expected.rfind("CD="), std::string::npos, "CD=/media/cd/\r\n");
  EXPECT_EQ(ReadFileBytes(ini_), expected);
  EXPECT_EQ(ReadSettingsValue(ini_.string(), "QxLaunch", "K0" + long_text), long_text);
}

TEST_F(korvex_fault_test, settings_file_that_is_a_named_pipe_does_not_hang) {
  ASSERT_EQ(::mkfifo(ini_.c_str(), 0644), 0);
  WriteFileBytes(root_ / "FILE.AVI", "x");
  // The run needs a reference, so the settings are read; the pipe has no writer.
  const auto status = Run({recorder_, "%CD%FILE.AVI"}, 10s);
  ASSERT_TRUE(status.has_value()) << "korvex hung on a settings file that is a named pipe";
  EXPECT_TRUE(fs::is_fifo(ini_));
}

}  // namespace
}  // namespace korvex
