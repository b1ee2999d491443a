// One program for many charts, with the built program as the second process: on a private session
// bus (CTest runs this program inside dbus-run-session) this test's frame owns the name of the
// program running on its display and takes the files the second process hands it; without a
// session bus, without an answer within a second, or without a file the second process opens its
// own frame. The second process runs with VORELIM_EXIT_WHEN_IDLE=1, so it prints "startup-idle"
// and ends once a frame of its own has shown.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTest>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "app/running_program.h"
#include "app/tformdi.h"
#include "chartview/tvemapa.h"
#include "support/charts.h"
#include "support/environment.h"
#include "support/qt_support.h"
#include "support/temp_folder.h"
#include "ui/controls.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using vorelim::test::ChartOf;
using vorelim::test::WriteChart;

using vorelim::test::Environment;

// This process's environment (its private bus included), offscreen like this process, with the
// probe that ends the program once its own frame has shown.
Environment ProgramEnvironment() {
  Environment env = vorelim::test::ThisEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) env.erase(name);
  // Assigned as whole strings: GCC 12 at -O3 warns falsely (-Wrestrict) about assigning a
  // literal to a map's string here.
  env.insert_or_assign("QT_QPA_PLATFORM", std::string("offscreen"));
  env.insert_or_assign("VORELIM_EXIT_WHEN_IDLE", std::string("1"));
  return env;
}

struct ProgramRun {
  int status = -1;     // exit status; -1 when killed after 30 s
  std::string output;  // standard output
  std::chrono::milliseconds took{};
};

// Runs the built program with `arguments`, given as bytes, in the current folder. While it runs,
// this process's events are handled when `serve` is set, so that its frame answers; otherwise
// this process stands still, as a program that hangs.
ProgramRun RunProgram(const std::vector<std::string>& arguments, const Environment& env,
                      bool serve) {
  const fs::path output = fs::current_path() / ".output";
  std::vector<std::string> argv{VORELIM_BINARY};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  const vorelim::test::SpawnArrays arrays(argv, env);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  ProgramRun run;
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = -1;
  const int spawned =
      posix_spawn(&pid, arrays.argv()[0], &actions, nullptr, arrays.argv(), arrays.envp());
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return run;
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (std::chrono::steady_clock::now() - start > 30s) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      return run;
    }
    if (serve) QCoreApplication::processEvents();
    std::this_thread::sleep_for(5ms);
  }
  run.took = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - start);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.output = vorelim::test::ReadFileBytes(output);
  fs::remove(output);
  return run;
}

QStringList Captions(const TFORMDI& frame) {
  QStringList captions;
  for (QMdiSubWindow* sub : frame.mdiArea()->subWindowList()) {
    if (auto* chart = qobject_cast<TVemapa*>(sub->widget())) captions << chart->windowTitle();
  }
  return captions;
}

class running_program_test : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(std::getenv("DBUS_SESSION_BUS_ADDRESS"), nullptr) << "run inside dbus-run-session";
    frame_.show();
    running_ = frame_.AnswerLaterStarts();
    ASSERT_TRUE(running_->OwnsName()) << vorelim::RunningProgramName().toStdString();
    WriteChart("MARIA.NUM", ChartOf({}));
  }
  void TearDown() override { vorelim::test::CloseMessageBoxes(); }

  vorelim::test::FixedToday today_{{2026, 12, 7}};
  vorelim::test::TempFolder folder_;
  TFORMDI frame_;
  vorelim::RunningProgram* running_ = nullptr;
};

TEST_F(running_program_test, files_open_in_the_running_frame_which_comes_to_the_front) {
  fs::create_directory("x\xC3");
  WriteChart("x\xC3/\xC3.NUM", ChartOf({.name = "JOSE", .personality = "2"}));
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));

  // Names relative to the second process's folder, one of them not UTF-8, and one missing.
  const ProgramRun run =
      RunProgram({"MARIA.NUM", "x\xC3/\xC3.NUM", "FALTA.NUM"}, ProgramEnvironment(), true);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.output, "") << "the second process showed a frame of its own";
  ASSERT_TRUE(QTest::qWaitFor([&] { return Captions(frame_).size() == 2; }, 5000));
  EXPECT_EQ(Captions(frame_), (QStringList{"MARIA", "\uFFFD"}));
  EXPECT_TRUE(QTest::qWaitForWindowActive(&frame_));
  EXPECT_EQ(fs::current_path(), folder_.path() / "x\xC3");
  auto* told = frame_.findChild<QMessageBox*>(QStringLiteral("FilesNotOpened"));
  ASSERT_NE(told, nullptr);
  EXPECT_EQ(told->text(),
            QStringLiteral("O arquivo \"%1/FALTA.NUM\" não foi aberto: o arquivo ou a pasta não "
                           "existe.")
                .arg(QString::fromStdString(folder_.path().string())));
}

TEST_F(running_program_test, the_new_process_opens_its_own_frame_when_no_frame_takes_the_files) {
  Environment no_bus = ProgramEnvironment();
  no_bus["DBUS_SESSION_BUS_ADDRESS"] = "unix:path=" + (folder_.path() / "no-bus").string();
  const struct {
    const char* row;
    std::vector<std::string> arguments;
    Environment env;
    bool serve;
    std::chrono::milliseconds at_least;
  } rows[] = {
      {"no session bus", {"MARIA.NUM"}, no_bus, true, 0ms},
      {"no file", {}, ProgramEnvironment(), true, 0ms},
      // The running frame is this process, standing still for the whole run. The second is timed
      // by QtDBus with a coarse Qt timer, which may fire up to 5% early: 950 ms at the least.
      {"no answer within a second", {"MARIA.NUM"}, ProgramEnvironment(), false, 950ms},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.row);
    const ProgramRun run = RunProgram(row.arguments, row.env, row.serve);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.output.rfind("startup-idle ", 0), 0u) << run.output;
    EXPECT_GE(run.took, row.at_least);
    EXPECT_LT(run.took, row.at_least + 10s);
    if (row.serve) {
      QCoreApplication::processEvents();
      EXPECT_TRUE(Captions(frame_).isEmpty());
    }
  }
}

}  // namespace
