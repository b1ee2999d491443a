// Start-up of the chart program as a process: from posix_spawn to the main frame shown, painted
// and idle (the splash animation excluded), against a bare Qt program showing one empty
// QMainWindow (bench/baseline_qt_window.cpp). Both run offscreen with VORELIM_EXIT_WHEN_IDLE=1,
// which makes them print the CLOCK_MONOTONIC time and their resident memory at the first idle
// moment and exit (app/startup_probe.h). Each iteration starts the baseline and then the chart
// program, so a busy machine slows both alike; the counters give the medians and their ratios.
// The same baseline with a menu bar and a captioned button ("--with-text") is reported beside
// them: the part of the gap that any window with words pays.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "bench_statistics.h"

extern char** environ;

namespace {

using bench::Median;

struct Startup {
  double ms = 0;    // spawn to idle
  long rss_kb = 0;  // resident memory when idle
};

long long MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// The environment of this process with the probe and the offscreen platform added (a platform
// chosen by the caller is kept, so the same figures can be taken on a real X display).
std::vector<std::string> ChildEnvironment() {
  std::vector<std::string> env;
  bool has_platform = false;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if (std::strncmp(*entry, "VORELIM_EXIT_WHEN_IDLE=", 23) == 0) continue;
    if (std::strncmp(*entry, "QT_QPA_PLATFORM=", 16) == 0) has_platform = true;
    env.emplace_back(*entry);
  }
  if (!has_platform) env.emplace_back("QT_QPA_PLATFORM=offscreen");
  env.emplace_back("VORELIM_EXIT_WHEN_IDLE=1");
  return env;
}

// Starts `program` in `folder`, reads its probe line and waits for it to end. Nothing when it
// could not start, failed or printed no probe line.
std::optional<Startup> StartUntilIdle(const std::string& program, const std::string& folder,
                                      const char* argument = nullptr) {
  static const std::vector<std::string> env_strings = ChildEnvironment();
  std::vector<char*> envp;
  for (const auto& entry : env_strings) envp.push_back(const_cast<char*>(entry.c_str()));
  envp.push_back(nullptr);
  std::vector<char*> argv{const_cast<char*>(program.c_str()), const_cast<char*>(argument), nullptr};

  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0) return std::nullopt;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  // Qt's notices about the offscreen platform are not wanted among the figures.
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());

  const long long started = MonotonicNs();
  pid_t pid = 0;
  const int spawned =
      posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  if (spawned != 0) {
    close(out[0]);
    return std::nullopt;
  }

  std::string output;
  char buffer[256];
  ssize_t got = 0;
  while ((got = read(out[0], buffer, sizeof buffer)) > 0)
    output.append(buffer, static_cast<size_t>(got));
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;

  long long idle_ns = 0;
  long rss_kb = 0;
  const auto line = output.find("startup-idle ");
  if (line == std::string::npos ||
      std::sscanf(output.c_str() + line, "startup-idle monotonic_ns=%lld rss_kb=%ld", &idle_ns,
                  &rss_kb) != 2) {
    return std::nullopt;
  }
  return Startup{static_cast<double>(idle_ns - started) / 1e6, rss_kb};
}

void BM_StartupToIdle(benchmark::State& state) {
  const std::string folder = std::filesystem::temp_directory_path().string();
  // One start of each first, so both find the font cache and the libraries in memory.
  if (!StartUntilIdle(BASELINE_PROGRAM, folder) || !StartUntilIdle(VORELIM_PROGRAM, folder)) {
    state.SkipWithError("a program did not start or printed no probe line");
    return;
  }
  std::vector<double> ms, base_ms, text_ms, rss, base_rss, text_rss;
  for (auto _ : state) {
    const auto base = StartUntilIdle(BASELINE_PROGRAM, folder);
    const auto text = StartUntilIdle(BASELINE_PROGRAM, folder, "--with-text");
    const auto chart = StartUntilIdle(VORELIM_PROGRAM, folder);
    if (!base || !text || !chart) {
      state.SkipWithError("a program did not start or printed no probe line");
      return;
    }
    state.SetIterationTime(chart->ms / 1e3);
    ms.push_back(chart->ms);
    base_ms.push_back(base->ms);
    rss.push_back(static_cast<double>(chart->rss_kb));
    base_rss.push_back(static_cast<double>(base->rss_kb));
    text_ms.push_back(text->ms);
    text_rss.push_back(static_cast<double>(text->rss_kb));
  }
  const double median_ms = Median(ms);
  const double median_base_ms = Median(base_ms);
  const double median_rss = Median(rss);
  const double median_base_rss = Median(base_rss);
  state.counters["vorelim_ms"] = median_ms;
  state.counters["baseline_ms"] = median_base_ms;
  state.counters["time_ratio"] = median_base_ms > 0 ? median_ms / median_base_ms : 0;
  state.counters["rss_kb"] = median_rss;
  state.counters["baseline_rss_kb"] = median_base_rss;
  state.counters["rss_ratio"] = median_base_rss > 0 ? median_rss / median_base_rss : 0;
  // The window with a menu bar and a captioned button: what a first font costs.
  state.counters["text_window_ms"] = Median(text_ms);
  state.counters["text_window_rss_kb"] = Median(text_rss);
}
BENCHMARK(BM_StartupToIdle)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace

BENCHMARK_MAIN();
