// The start-up benchmark's probe: inert unless VORELIM_EXIT_WHEN_IDLE is exactly "1"; when armed
// it reports once, only after the window is shown, and ends the event loop with exit code 0.

#include "app/startup_probe.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include <gtest/gtest.h>

namespace {

long long MonotonicNs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Sets the variable for one test and restores its absence afterwards.
class ProbeVariable {
 public:
  explicit ProbeVariable(const char* value) {
    if (value == nullptr) {
      unsetenv(vorelim::kExitWhenIdleVariable);
    } else {
      setenv(vorelim::kExitWhenIdleVariable, value, 1);
    }
  }
  ~ProbeVariable() { unsetenv(vorelim::kExitWhenIdleVariable); }
};

struct ProbeReport {
  int exit_code = -1;
  bool timed_out = false;
  std::string output;
};

// Runs the event loop with the probe armed for `window`; `before_loop` may schedule work. The loop
// is ended with 7 after two seconds if the probe never ends it.
template <typename BeforeLoop>
ProbeReport RunArmed(QMainWindow& window, BeforeLoop before_loop) {
  ProbeReport report;
  testing::internal::CaptureStdout();
  EXPECT_TRUE(vorelim::ExitWhenIdleIfAsked(window));
  before_loop();
  QTimer::singleShot(2000, &window, [&report] {
    report.timed_out = true;
    QCoreApplication::exit(7);
  });
  report.exit_code = QApplication::exec();
  report.output = testing::internal::GetCapturedStdout();
  return report;
}

TEST(startup_probe_test, stays_off_unless_the_variable_is_exactly_one) {
  const struct {
    const char* name;
    const char* value;
  } rows[] = {{"unset", nullptr}, {"empty", ""},    {"zero", "0"},
              {"word", "yes"},    {"padded", " 1"}, {"eleven", "11"}};
  for (const auto& row : rows) {
    ProbeVariable variable(row.value);
    QMainWindow window;
    EXPECT_FALSE(vorelim::ExitWhenIdleIfAsked(window)) << row.name;
  }
}

TEST(startup_probe_test, reports_once_with_time_and_memory_and_ends_the_loop_with_zero) {
  ProbeVariable variable("1");
  QMainWindow window;
  window.show();
  const long long before = MonotonicNs();
  const ProbeReport report = RunArmed(window, [] {});
  const long long after = MonotonicNs();

  EXPECT_FALSE(report.timed_out);
  EXPECT_EQ(report.exit_code, 0);
  long long ns = 0;
  long rss_kb = 0;
  char rest = 0;
  ASSERT_EQ(std::sscanf(report.output.c_str(), "startup-idle monotonic_ns=%lld rss_kb=%ld\n%c", &ns,
                        &rss_kb, &rest),
            2)
      << report.output;
  EXPECT_GE(ns, before);
  EXPECT_LE(ns, after);
  EXPECT_GT(rss_kb, 1000);  // a Qt program holds megabytes
  EXPECT_EQ(report.output.find("startup-idle", 1), std::string::npos) << "reported twice";
}

TEST(startup_probe_test, waits_for_the_window_to_be_shown) {
  ProbeVariable variable("1");
  QMainWindow window;
  long long shown_at = 0;
  // The loop goes idle many times before the window is shown; none of those counts.
  const ProbeReport report = RunArmed(window, [&] {
    QTimer::singleShot(100, &window, [&] {
      shown_at = MonotonicNs();
      window.show();
    });
  });
  EXPECT_FALSE(report.timed_out);
  EXPECT_EQ(report.exit_code, 0);
  long long ns = 0;
  ASSERT_EQ(std::sscanf(report.output.c_str(), "startup-idle monotonic_ns=%lld", &ns), 1)
      << report.output;
  EXPECT_GT(shown_at, 0);
  EXPECT_GE(ns, shown_at);
}

}  // namespace
