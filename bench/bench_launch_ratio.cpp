// korvex from its start to the program it starts running, all files present, against the same
// program started directly with posix_spawn by a minimal C++ program (bench/baseline_spawn.cpp).
// The started program is bench/baseline_started_probe.cpp: it writes the time its main() began
// into a named pipe that is the command line's document, so korvex finds every file present and
// the benchmark reads the moment of the start without polling. Both launches are timed from just
// before posix_spawn of the launcher to that moment; each iteration runs both, so a busy machine
// slows both alike. The counters give the medians and their ratio.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "bench_statistics.h"

extern char** environ;

namespace {

using bench::Median;

long long MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Reaps every ended child and orphan adopted by this process (it is their subreaper).
void ReapAll() {
  while (waitpid(-1, nullptr, WNOHANG) > 0) {
  }
}

// Starts `launcher` with the probe and the pipe as its command line; the milliseconds from the
// spawn to the probe's main(), or nothing when the probe did not report within two seconds.
std::optional<double> LaunchMs(const std::string& launcher, const std::string& pipe_path) {
  const int pipe_fd = open(pipe_path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (pipe_fd < 0) return std::nullopt;
  std::string probe = STARTED_PROBE;
  std::vector<char*> argv{const_cast<char*>(launcher.c_str()), probe.data(),
                          const_cast<char*>(pipe_path.c_str()), nullptr};
  const long long started = MonotonicNs();
  pid_t pid = 0;
  if (posix_spawn(&pid, launcher.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
    close(pipe_fd);
    return std::nullopt;
  }
  std::string text;
  pollfd wait_for{pipe_fd, POLLIN, 0};
  while (text.find('\n') == std::string::npos && poll(&wait_for, 1, 2000) > 0) {
    char buffer[64];
    const ssize_t got = read(pipe_fd, buffer, sizeof buffer);
    if (got > 0) text.append(buffer, static_cast<size_t>(got));
    if (got == 0 && text.empty()) usleep(50);  // the probe has not opened the pipe yet
  }
  close(pipe_fd);
  int status = 0;
  waitpid(pid, &status, 0);
  ReapAll();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || text.empty()) return std::nullopt;
  return static_cast<double>(std::atoll(text.c_str()) - started) / 1e6;
}

void BM_KorvexToProgramStarted(benchmark::State& state) {
  prctl(PR_SET_CHILD_SUBREAPER, 1);
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("bench-launch-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  const std::string pipe_path = (folder / "started.fifo").string();
  if (mkfifo(pipe_path.c_str(), 0600) != 0 && errno != EEXIST) {
    state.SkipWithError("cannot make the named pipe");
    return;
  }
  std::vector<double> korvex_ms, spawn_ms;
  bool failed = !LaunchMs(KORVEX_PROGRAM, pipe_path) || !LaunchMs(SPAWN_BASELINE, pipe_path);
  for (auto _ : state) {
    if (failed) break;
    const auto direct = LaunchMs(SPAWN_BASELINE, pipe_path);
    const auto korvex = LaunchMs(KORVEX_PROGRAM, pipe_path);
    failed = !direct || !korvex;
    if (failed) break;
    state.SetIterationTime(*korvex / 1e3);
    korvex_ms.push_back(*korvex);
    spawn_ms.push_back(*direct);
  }
  std::filesystem::remove_all(folder);
  if (failed) {
    state.SkipWithError("a launch did not start the probe");
    return;
  }
  const double korvex = Median(korvex_ms);
  const double direct = Median(spawn_ms);
  state.counters["korvex_ms"] = korvex;
  state.counters["posix_spawn_ms"] = direct;
  state.counters["ratio"] = direct > 0 ? korvex / direct : 0;
}
BENCHMARK(BM_KorvexToProgramStarted)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(200);

}  // namespace

BENCHMARK_MAIN();
