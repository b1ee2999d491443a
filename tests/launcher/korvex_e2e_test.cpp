// The real korvex binary, copied alone beside its own korvex.INI as on a CD, or installed with
// `cmake --install` and run by an ordinary user, starting the recorder program. The dialog cases
// run under a private Xvfb server and are answered with real key presses.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "launcher/launcher_support.h"
#include "support/environment.h"
#include "support/files.h"
#include "support/temp_folder.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using ::testing::ElementsAre;

using vorelim::test::Environment;

// This process's environment without anything that points at a display.
Environment CleanEnvironment() {
  Environment env = vorelim::test::ThisEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.erase(name);
  return env;
}

// Starts `argv` with `env`; `extra_fd` (if not -1) becomes descriptor 3 of the child, whose
// messages are then discarded; otherwise they go to `messages` when it is given.
pid_t Spawn(const std::vector<std::string>& argv, const Environment& env, int extra_fd = -1,
            const std::string& messages = "") {
  const vorelim::test::SpawnArrays arrays(argv, env);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (extra_fd >= 0) {
    posix_spawn_file_actions_adddup2(&actions, extra_fd, 3);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  } else if (!messages.empty()) {
    posix_spawn_file_actions_addopen(&actions, 2, messages.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
  }
  pid_t pid = -1;
  if (posix_spawnp(&pid, arrays.argv()[0], &actions, nullptr, arrays.argv(), arrays.envp()) != 0)
    pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

// The exit status of `pid`, or -1 when it does not end within `timeout` (it is then killed).
int WaitForExit(pid_t pid, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      return -1;
    }
    std::this_thread::sleep_for(5ms);
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// This process's children: those it started and has not waited for, and the programs korvex
// started, which it adopts (SetUp makes it their subreaper) before korvex can end.
std::set<pid_t> Children() {
  std::set<pid_t> children;
  for (const auto& task : fs::directory_iterator("/proc/self/task")) {
    std::ifstream list(task.path() / "children");
    EXPECT_TRUE(list.is_open()) << "the kernel does not list a process's children";
    for (pid_t pid = 0; list >> pid;) children.insert(pid);
  }
  return children;
}

bool OnPath(const std::string& name) {
  std::istringstream path(std::getenv("PATH") ? std::getenv("PATH") : "");
  for (std::string dir; std::getline(path, dir, ':');) {
    if (access((fs::path(dir) / name).c_str(), X_OK) == 0) return true;
  }
  return false;
}

// The lines of a text.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// korvex copied alone into an empty folder (disc/, where its settings file goes), a CD folder
// beside it, and a configuration folder of the user's own that is not there yet.
class korvex_test : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    fs::create_directories(disc_);
    fs::copy_file(KORVEX_BINARY, korvex_);
    fs::create_directories(root_ / "cd" / "DEMO");
    std::ofstream(root_ / "cd" / "DEMO" / "FILE.AVI") << "x";
    env_["KORVEX_RECORD"] = record_.string();
    env_["XDG_CONFIG_HOME"] = (root_ / "config").string();
  }

  // Waits for the programs korvex started, so that none is left to the next test.
  void TearDown() override {
    for (const pid_t child : Children()) WaitForExit(child, 5s);
  }

  void WriteIni(const std::string& text) { vorelim::test::WriteFileBytes(ini_, text); }

  // Runs korvex to its end and returns its exit status; its messages go to `messages_`.
  int Run(const std::vector<std::string>& arguments, std::chrono::milliseconds timeout = 20s) {
    std::vector<std::string> argv{korvex_.string()};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    pid_t pid = Spawn(argv, env_, -1, messages_.string());
    return pid < 0 ? -1 : WaitForExit(pid, timeout);
  }

  vorelim::test::TempFolder folder_{false};
  fs::path root_ = folder_.path();
  fs::path disc_ = root_ / "disc";
  fs::path korvex_ = disc_ / "korvex";
  fs::path ini_ = disc_ / "korvex.INI";
  fs::path messages_ = root_ / "messages";
  fs::path record_ = root_ / "record";
  std::string recorder_dir_ = fs::path(KORVEX_RECORDER).parent_path().string() + "/";
  Environment env_ = CleanEnvironment();
};

TEST_F(korvex_test, files_present_start_the_program_without_any_display) {
  fs::create_directory(root_ / "cd" / "my docs");
  std::ofstream(root_ / "cd" / "my docs" / "B.TXT") << "x";
  const std::string ini = "[QxLaunch]\nBIN=" + recorder_dir_ + "\ncd=" + root_.string() +
                          "/cd/\nDocs=\"" + root_.string() + "/cd/my docs/\"\n";
  WriteIni(ini);

  EXPECT_EQ(Run({"%BIN%\\korvex_recorder\t%CD%\\DEMO\\FILE.AVI ", " /play", "$docs$B.TXT"}), 0);
  const auto record = korvex::test::WaitForRecord(record_, 5s);
  ASSERT_TRUE(record) << "the program was not started";
  EXPECT_THAT(*record,
              ElementsAre(recorder_dir_ + "korvex_recorder", root_.string() + "/cd/DEMO/FILE.AVI",
                          "/play", root_.string() + "/cd/my docs/B.TXT"));
  EXPECT_EQ(vorelim::test::ReadFileBytes(ini_), ini);
}

// A program that cannot be started is a failure: one line names it and the reason, exit status
// 127, as a shell reports it.
TEST_F(korvex_test, program_that_cannot_start_is_told_with_exit_127) {
  WriteIni("[QxLaunch]\nCD=" + root_.string() + "/cd/\n");
  std::ofstream(root_ / "not-executable") << "#!/bin/sh\n";
  fs::permissions(root_ / "not-executable", fs::perms::owner_read | fs::perms::owner_write);
  const struct {
    std::string program;
    const char* reason;
  } rows[] = {
      {"/nonexistent/prog", "No such file or directory"},
      {"korvex-no-such-program", "No such file or directory"},
      {(root_ / "not-executable").string(), "Permission denied"},
      {(root_ / "cd").string(), "Permission denied"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.program);
    EXPECT_EQ(Run({row.program, "%CD%/DEMO/FILE.AVI"}), 127);
    EXPECT_THAT(Lines(vorelim::test::ReadFileBytes(messages_)),
                ElementsAre("korvex: cannot start \"" + row.program + "\": " + row.reason));
  }
}

// No display, a display that cannot be opened, a platform Qt does not have: a dialog that cannot
// show ends the run like Cancel, with one line on stderr instead of Qt's abort.
TEST_F(korvex_test, dialog_that_cannot_show_ends_like_cancel_with_one_line) {
  const std::string ini = "[QxLaunch]\nBIN=" + recorder_dir_ + "\n";
  WriteIni(ini);
  int unused = 29999;
  while (fs::exists("/tmp/.X11-unix/X" + std::to_string(unused))) --unused;
  const struct {
    const char* name;
    Environment display;
  } rows[] = {
      {"no display named", {}},
      {"a display that cannot be opened", {{"DISPLAY", ":" + std::to_string(unused)}}},
      {"a platform that does not exist", {{"QT_QPA_PLATFORM", "nowhere"}}},
  };
  const Environment clean = env_;
  for (const auto& row : rows) {
    for (const auto& arguments :
         {std::vector<std::string>{"%BIN%korvex_recorder", "/nowhere/FILE.AVI"},
          std::vector<std::string>{}}) {
      SCOPED_TRACE(std::string(row.name) + (arguments.empty() ? ", notice" : ", missing file"));
      env_ = clean;
      env_.insert(row.display.begin(), row.display.end());
      EXPECT_EQ(Run(arguments), 255);
      const auto lines = Lines(vorelim::test::ReadFileBytes(messages_));
      ASSERT_EQ(lines.size(), 1u) << vorelim::test::ReadFileBytes(messages_);
      EXPECT_THAT(lines[0], ::testing::StartsWith("korvex: no display to show the dialog on ("));
    }
  }
  EXPECT_TRUE(Children().empty()) << "korvex started a program";
  EXPECT_EQ(vorelim::test::ReadFileBytes(ini_), ini);
  EXPECT_FALSE(fs::exists(root_ / "config"));
}

// Runs korvex under a private Xvfb server; each test answers its dialog with xdotool.
class korvex_dialog_test : public korvex_test {
 protected:
  void SetUp() override {
    if (!OnPath("Xvfb") || !OnPath("xdotool")) GTEST_SKIP() << "Xvfb or xdotool is not installed";
    korvex_test::SetUp();
    // Display 16 is this suite's; when it is taken (a parallel run), try the next free ones.
    for (int display = 16; display < 16 + 20 && xvfb_ < 0; ++display) StartXvfb(display);
    ASSERT_GE(xvfb_, 0) << "Xvfb did not start";
    env_["DISPLAY"] = display_;
    env_["QT_QPA_PLATFORM"] = "xcb";
    // Qt's and the font libraries' caches outlive the process; they are not the launcher's leaks.
    env_["ASAN_OPTIONS"] = env_["ASAN_OPTIONS"] + ":detect_leaks=0";
  }

  void TearDown() override {
    if (xvfb_ > 0) {
      kill(xvfb_, SIGTERM);
      WaitForExit(xvfb_, 5s);
    }
    korvex_test::TearDown();
  }

  void StartXvfb(int display) {
    int ready[2];
    if (pipe(ready) != 0) return;
    const std::string name = ":" + std::to_string(display);
    const pid_t pid =
        Spawn({"Xvfb", name, "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-displayfd", "3"},
              CleanEnvironment(), ready[1]);
    close(ready[1]);
    // Xvfb writes its display number and a newline once it accepts clients, or exits when the
    // display is taken. Read up to the newline: closing the pipe earlier would make it fail.
    std::string answer;
    pollfd fd{ready[0], POLLIN, 0};
    char c = 0;
    while (pid > 0 && poll(&fd, 1, 10000) == 1 && read(ready[0], &c, 1) == 1 && c != '\n') {
      answer += c;
    }
    const bool up = c == '\n' && answer == std::to_string(display);
    close(ready[0]);
    if (up) {
      xvfb_ = pid;
      display_ = name;
    } else if (pid > 0) {
      kill(pid, SIGTERM);
      WaitForExit(pid, 5s);
    }
  }

  pid_t StartKorvex(const std::vector<std::string>& arguments) {
    std::vector<std::string> argv{korvex_.string()};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return Spawn(argv, env_);
  }

  // Waits for the window titled `title`, gives it the keyboard and types `keys` (xdotool words).
  void Answer(const std::string& title, const std::vector<std::vector<std::string>>& commands) {
    Environment env = CleanEnvironment();
    env["DISPLAY"] = display_;
    const pid_t find = Spawn({"xdotool", "search", "--sync", "--onlyvisible", "--name",
                              "^" + title + "$", "windowfocus", "--sync"},
                             env);
    ASSERT_EQ(WaitForExit(find, 15s), 0) << "no window " << title;
    for (auto command : commands) {
      command.insert(command.begin(), "xdotool");
      ASSERT_EQ(WaitForExit(Spawn(command, env), 10s), 0) << command[1];
    }
  }

  pid_t xvfb_ = -1;
  std::string display_;
};

TEST_F(korvex_dialog_test, no_arguments_shows_the_notice_until_enter) {
  const pid_t korvex = StartKorvex({});
  Answer("Tavrel Application Launcher", {{"key", "Return"}});
  EXPECT_EQ(WaitForExit(korvex, 15s), 255);
  EXPECT_FALSE(fs::exists(ini_));
}

TEST_F(korvex_dialog_test, folder_typed_for_a_missing_file_is_used_and_remembered) {
  WriteIni("; CD settings\n[QxLaunch]\nBIN=" + recorder_dir_ + "\nCD=/media/nocd/\n");
  const pid_t korvex = StartKorvex({"%BIN%korvex_recorder", "%CD%\\FILE.AVI", "%CD%\\FILE.AVI"});
  Answer("File Not Found",
         {{"type", "--delay", "1", root_.string() + "/cd/DEMO"}, {"key", "Return"}});
  EXPECT_EQ(WaitForExit(korvex, 15s), 0);
  const auto record = korvex::test::WaitForRecord(record_, 5s);
  ASSERT_TRUE(record) << "the program was not started";
  const std::string found = root_.string() + "/cd/DEMO/FILE.AVI";
  EXPECT_THAT(*record, ElementsAre(recorder_dir_ + "korvex_recorder", found, found));
  EXPECT_EQ(vorelim::test::ReadFileBytes(ini_), "; CD settings\n[QxLaunch]\nBIN=" + recorder_dir_ +
                                                    "\nCD=" + root_.string() + "/cd/DEMO/\n");
  EXPECT_FALSE(fs::exists(root_ / "config")) << "the file beside korvex took the folder";
}

TEST_F(korvex_dialog_test, escape_in_the_file_dialog_starts_nothing) {
  const std::string ini = "[QxLaunch]\nBIN=" + recorder_dir_ + "\nCD=/media/nocd/\n";
  WriteIni(ini);
  const pid_t korvex = StartKorvex({"%BIN%korvex_recorder", "%CD%\\FILE.AVI"});
  Answer("File Not Found", {{"key", "Escape"}});
  EXPECT_EQ(WaitForExit(korvex, 15s), 255);
  EXPECT_EQ(Children(), std::set<pid_t>{xvfb_}) << "korvex started a program";
  EXPECT_EQ(vorelim::test::ReadFileBytes(ini_), ini);
}

// korvex installed with `cmake --install` into a prefix the user cannot write, as /usr/bin is for
// an ordinary user. As root the prefix is root's and korvex runs as nobody (runuser), with a
// configuration folder of nobody's own; as an ordinary user the prefix's bin folder is made
// read-only for that user instead. Either way the folder typed once is remembered in the user's
// file, and the same command again starts the program without asking.
TEST_F(korvex_dialog_test, installed_for_an_ordinary_user_asks_once_then_remembers) {
  const bool as_root = geteuid() == 0;
  ASSERT_TRUE(!as_root || OnPath("runuser")) << "runuser (util-linux) is not on the PATH";
  const fs::path prefix = root_ / "prefix";
  const fs::path home = root_ / "home";
  const fs::path tools = root_ / "tools";
  const pid_t install = Spawn({CMAKE_COMMAND, "--install", KORVEX_BUILD_DIR, "--component",
                               "korvex", "--prefix", prefix.string()},
                              env_, -1, messages_.string());
  ASSERT_EQ(WaitForExit(install, 60s), 0) << vorelim::test::ReadFileBytes(messages_);
  const fs::path bin = prefix / "bin";
  const fs::path installed = bin / "korvex";
  ASSERT_TRUE(fs::is_regular_file(installed));
  fs::create_directories(tools);
  fs::copy_file(KORVEX_RECORDER, tools / "korvex_recorder");
  const std::string ini = "[QxLaunch]\nBIN=" + tools.string() + "/\nCD=/media/nocd/\n";
  vorelim::test::WriteFileBytes(bin / "korvex.INI", ini);
  fs::create_directories(home);
  fs::permissions(root_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                             fs::perms::others_read | fs::perms::others_exec);

  std::vector<std::string> argv{installed.string(), "%BIN%korvex_recorder", "%CD%\\FILE.AVI"};
  const fs::path config = home / ".config";
  env_["XDG_CONFIG_HOME"] = config.string();
  env_["KORVEX_RECORD"] = (home / "record").string();
  if (as_root) {
    ASSERT_EQ(chown(home.c_str(), 65534, 65534), 0) << std::strerror(errno);
    argv.insert(argv.begin(), {"runuser", "-u", "nobody", "--"});
  } else {
    fs::permissions(bin, fs::perms::owner_read | fs::perms::owner_exec);
  }

  const pid_t first = Spawn(argv, env_);
  Answer("File Not Found",
         {{"type", "--delay", "1", root_.string() + "/cd/DEMO"}, {"key", "Return"}});
  EXPECT_EQ(WaitForExit(first, 15s), 0);
  const std::string found = root_.string() + "/cd/DEMO/FILE.AVI";
  auto record = korvex::test::WaitForRecord(home / "record", 5s);
  ASSERT_TRUE(record) << "the program was not started";
  EXPECT_THAT(*record, ElementsAre(tools.string() + "/korvex_recorder", found));
  const fs::path user_file = config / "korvex" / "korvex.INI";
  EXPECT_EQ(vorelim::test::ReadFileBytes(user_file),
            "[QxLaunch]\nCD=" + root_.string() + "/cd/DEMO/\n");
  EXPECT_EQ(vorelim::test::ReadFileBytes(bin / "korvex.INI"), ini);
  EXPECT_EQ(vorelim::test::FilesIn(bin), (std::set<std::string>{"korvex", "korvex.INI"}));

  // Nobody answers now: a dialog would hold korvex until the deadline.
  fs::remove(home / "record");
  const pid_t second = Spawn(argv, env_, -1, messages_.string());
  EXPECT_EQ(WaitForExit(second, 10s), 0) << vorelim::test::ReadFileBytes(messages_);
  record = korvex::test::WaitForRecord(home / "record", 5s);
  ASSERT_TRUE(record) << "the program was not started the second time";
  EXPECT_THAT(*record, ElementsAre(tools.string() + "/korvex_recorder", found));
}

}  // namespace
