// One program for many charts, with the built program as the second process: on a private session
// bus (CTest runs this program inside dbus-run-session) this test's frame owns the name of the
// program running on its display and takes the files the second process hands it; without a
// session bus, without an answer within two seconds, or without a file the second process opens its
// own frame. The second process runs with VORELIM_EXIT_WHEN_IDLE=1, so it prints "startup-idle"
// and ends once a frame of its own has shown.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTest>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
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

// Calls OpenFiles of the running frame (this process) from a connection of its own, through the
// bus, while this process goes on handling its events; returns how long the answer took, or
// nothing without one within 10 s.
std::optional<std::chrono::milliseconds> CallOpenFiles(const QByteArrayList& files) {
  static QDBusConnection caller =
      QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("caller"));
  QDBusMessage call = QDBusMessage::createMethodCall(
      vorelim::RunningProgramName(), QStringLiteral("/org/vorelim/vorelim/Frame"),
      QStringLiteral("org.vorelim.vorelim.Frame"), QStringLiteral("OpenFiles"));
  call << QVariant::fromValue(files);
  const auto start = std::chrono::steady_clock::now();
  QDBusPendingCall pending = caller.asyncCall(call, 10000);
  while (!pending.isFinished()) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  if (pending.isError()) return std::nullopt;
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                               start);
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

// A name with a zero byte would open the file named before it; each is refused by name.
TEST_F(running_program_test, names_with_a_zero_byte_open_nothing) {
  const QByteArray maria =
      QFile::encodeName(QString::fromStdString(folder_.path().string())) + "/MARIA.NUM";
  ASSERT_TRUE(CallOpenFiles(
      {QByteArray("/etc/passwd\0.NUM", 16), maria + QByteArray("\0/../../etc/passwd", 19)}));
  QMessageBox* box = nullptr;
  ASSERT_TRUE(QTest::qWaitFor(
      [&] { return (box = frame_.findChild<QMessageBox*>(QStringLiteral("FilesNotOpened"))); },
      5000));
  EXPECT_TRUE(Captions(frame_).isEmpty());
  const QString told = box->text();
  EXPECT_EQ(told.count(QStringLiteral("não é um nome de arquivo")), 2) << told.toStdString();
}

// A thousand missing names of 4,096 bytes in one call, then another call: each is answered within
// a second.
TEST_F(running_program_test, a_flood_of_long_names_leaves_the_program_answering) {
  QByteArrayList flood;
  for (int i = 0; i < 1000; ++i) {
    QByteArray name = "/falta/" + QByteArray::number(i) + "/";
    flood << name + QByteArray(4096 - name.size(), 'a');
  }
  for (const QByteArrayList& files : {flood, QByteArrayList{"/falta/FALTA.NUM"}}) {
    const auto answered = CallOpenFiles(files);
    ASSERT_TRUE(answered);
    EXPECT_LT(*answered, 1s);
  }
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
      // The running frame is this process, standing still for the whole run. The two seconds are
      // timed by QtDBus with a coarse Qt timer, which may fire up to 5% early: 1,900 ms at least.
      {"no answer within two seconds", {"MARIA.NUM"}, ProgramEnvironment(), false, 1900ms},
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

// Ten starts with a chart each at the same moment, on this private bus and display, with no frame
// running: one takes the name and makes the frame, the nine others hand it their charts and end.
TEST(running_program_starts, ten_simultaneous_starts_give_one_frame) {
  ASSERT_NE(std::getenv("DBUS_SESSION_BUS_ADDRESS"), nullptr) << "run inside dbus-run-session";
  vorelim::test::TempFolder folder;
  Environment env = ProgramEnvironment();
  env.erase("VORELIM_EXIT_WHEN_IDLE");  // the frame stays until this test ends it
  std::vector<pid_t> started;
  for (int i = 0; i < 10; ++i) {
    const std::string chart = "MAPA" + std::to_string(i) + ".NUM";
    WriteChart(chart, ChartOf({}));
    const vorelim::test::SpawnArrays arrays({VORELIM_BINARY, chart}, env);
    pid_t pid = -1;
    ASSERT_EQ(posix_spawn(&pid, arrays.argv()[0], nullptr, nullptr, arrays.argv(), arrays.envp()),
              0);
    // Held before it gets far, so that all ten go on at the same moment.
    kill(pid, SIGSTOP);
    started.push_back(pid);
  }
  for (pid_t pid : started) kill(pid, SIGCONT);
  std::map<pid_t, int> ended;
  const auto reap = [&] {
    for (pid_t pid : started) {
      int status = 0;
      if (!ended.count(pid) && waitpid(pid, &status, WNOHANG) == pid) ended[pid] = status;
    }
  };
  const auto deadline = std::chrono::steady_clock::now() + 30s;
  while (ended.size() < 9 && std::chrono::steady_clock::now() < deadline) {
    reap();
    std::this_thread::sleep_for(20ms);
  }
  // Time for a tenth to end too, which would mean that no frame kept running.
  std::this_thread::sleep_for(500ms);
  reap();
  std::vector<pid_t> running;
  for (pid_t pid : started) {
    if (!ended.count(pid)) running.push_back(pid);
  }
  EXPECT_EQ(running.size(), 1u) << "frames";
  for (const auto& [pid, status] : ended) {
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "start " << pid;
  }
  for (pid_t pid : running) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
  }
}

}  // namespace
