// The register over a folder of 10,000 charts: reading the folder against reading the same
// files' bytes as `cat` does (same run, same page cache), the full list shown, one keystroke in
// the search box up to the list repainted, and the memory the list of 10,000 rows takes.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTableView>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "chart/chart_file.h"
#include "chart/chart_folder.h"
#include "chart/chart_rules.h"
#include "register/register_list.h"
#include "register/register_model.h"

namespace {

constexpr int kCharts = 10000;

// A folder of kCharts charts with varied names and dates, made once per run.
const std::filesystem::path& ChartsFolder() {
  static const std::filesystem::path folder = [] {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "vorelim-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    static const std::string created = pattern;
    std::atexit([] { std::filesystem::remove_all(created); });
    static const char* kNames[] = {"MARIA", "JOAO",    "ANA",   "JOSE",  "PAULA",
                                   "LUCAS", "BEATRIZ", "PEDRO", "CLARA", "RAFAEL"};
    for (int i = 0; i < kCharts; ++i) {
      const std::string name = std::string(kNames[i % 10]) + std::to_string(i);
      const vorelim::ChartRecord record =
          vorelim::NewChartRecord(name, 1 + i % 28, 1 + i % 12, std::to_string(1930 + i % 80), 0);
      // Plain writes: the chart file writer's flush to disk of every file would make this the
      // longest part of the run.
      std::ofstream out(std::filesystem::path(pattern) / vorelim::ChartFileName(name),
                        std::ios::binary);
      out.write(reinterpret_cast<const char*>(record.bytes().data()), vorelim::kChartRecordSize);
      if (!out) std::abort();
    }
    return std::filesystem::path(pattern);
  }();
  return folder;
}

long ResidentKb() {
  long kb = 0;
  if (FILE* status = std::fopen("/proc/self/status", "r")) {
    char line[256];
    while (std::fgets(line, sizeof line, status)) {
      if (std::sscanf(line, "VmRSS: %ld kB", &kb) == 1) break;
    }
    std::fclose(status);
  }
  return kb;
}

// The memory a list of 10,000 charts adds: resident size before and after making it. Runs first,
// before other lists have left freed memory for it to reuse.
void BM_RegisterMemory(benchmark::State& state) {
  ChartsFolder();
  for (auto _ : state) {
    const long before = ResidentKb();
    auto list = std::make_unique<vorelim::RegisterList>();
    list->SetFolder(ChartsFolder());
    list->show();
    QCoreApplication::processEvents();
    state.counters["rss_growth_mb"] = static_cast<double>(ResidentKb() - before) / 1024.0;
  }
}
BENCHMARK(BM_RegisterMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

// What `cat` of every file of the folder does: list it, open, read and close each file.
void BM_CatEveryFile(benchmark::State& state) {
  const std::filesystem::path& folder = ChartsFolder();
  char buffer[4096];
  for (auto _ : state) {
    std::size_t total = 0;
    DIR* dir = ::opendir(folder.c_str());
    while (const dirent* item = ::readdir(dir)) {
      if (item->d_name[0] == '.') continue;
      const int fd = ::open((folder / item->d_name).c_str(), O_RDONLY | O_CLOEXEC);
      for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;)
        total += static_cast<std::size_t>(n);
      ::close(fd);
    }
    ::closedir(dir);
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_CatEveryFile)->Unit(benchmark::kMillisecond);

// The core's reading of the folder into entries.
void BM_ReadChartFolder(benchmark::State& state) {
  const std::filesystem::path& folder = ChartsFolder();
  for (auto _ : state) {
    vorelim::FolderEntries read = vorelim::ReadChartFolder(folder);
    benchmark::DoNotOptimize(read.entries.data());
  }
}
BENCHMARK(BM_ReadChartFolder)->Unit(benchmark::kMillisecond);

// The register's full list: the folder read, the model filled and sorted by name, the shown list
// repainted.
void BM_RegisterFullList(benchmark::State& state) {
  const std::filesystem::path& folder = ChartsFolder();
  vorelim::RegisterList list;
  list.resize(640, 400);
  list.show();
  QCoreApplication::processEvents();
  for (auto _ : state) {
    list.SetFolder(folder);
    list.table()->viewport()->repaint();
  }
  state.counters["rows"] = list.model()->rowCount();
}
BENCHMARK(BM_RegisterFullList)->Unit(benchmark::kMillisecond);

// One keystroke in the search box of a list of 10,000 charts, up to the list repainted: the
// words grow letter by letter ("m", "ma", ... "maria 19") and start again.
void BM_SearchKeystroke(benchmark::State& state) {
  vorelim::RegisterList list;
  list.resize(640, 400);
  list.SetFolder(ChartsFolder());
  list.show();
  QCoreApplication::processEvents();
  const QString typed = QStringLiteral("maria 19");
  int length = 0;
  for (auto _ : state) {
    length = length % typed.size() + 1;
    list.searchBox()->setText(typed.left(length));
    list.table()->viewport()->repaint();
  }
}
BENCHMARK(BM_SearchKeystroke)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
