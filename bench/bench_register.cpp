// The register over a folder of 10,000 charts: the full list (folder read, list filled, sorted and
// repainted) against reading the same files' bytes as `cat` does (same run, same page cache), one
// keystroke in the search box up to the list repainted, and the memory the list of 10,000 rows
// takes.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "chart/chart_file.h"
#include "chart/chart_rules.h"
#include "register/register_list.h"
#include "register/register_model.h"

namespace {

namespace fs = std::filesystem;

// A folder of 10,000 charts with varied names and dates, made once per run. Plain writes: the
// chart file writer's flush to disk of every file would make this the longest part of the run.
const fs::path& ChartsFolder() {
  static const fs::path folder = [] {
    static std::string pattern = (fs::temp_directory_path() / "vorelim-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    std::atexit([] { fs::remove_all(pattern); });
    static const char* kNames[] = {"MARIA", "JOAO",    "ANA",   "JOSE",  "PAULA",
                                   "LUCAS", "BEATRIZ", "PEDRO", "CLARA", "RAFAEL"};
    for (int i = 0; i < 10000; ++i) {
      const std::string name = kNames[i % 10] + std::to_string(i);
      const vorelim::ChartRecord record =
          vorelim::NewChartRecord(name, 1 + i % 28, 1 + i % 12, std::to_string(1930 + i % 80), 0);
      std::ofstream(fs::path(pattern) / vorelim::ChartFileName(name), std::ios::binary)
          .write(reinterpret_cast<const char*>(record.bytes().data()), vorelim::kChartRecordSize);
    }
    return fs::path(pattern);
  }();
  return folder;
}

long ResidentKb() {
  std::ifstream status("/proc/self/status");
  for (std::string word; status >> word;) {
    if (word == "VmRSS:" && status >> word) return std::stol(word);
  }
  return 0;
}

// The memory a list of 10,000 charts adds, made and shown. Runs first, before other lists have
// left freed memory for it to reuse.
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
  const fs::path& folder = ChartsFolder();
  char buffer[4096];
  for (auto _ : state) {
    std::size_t total = 0;
    DIR* dir = ::opendir(folder.c_str());
    while (const dirent* item = ::readdir(dir)) {
      if (item->d_name[0] == '.') continue;
      const int fd = ::open((folder / item->d_name).c_str(), O_RDONLY | O_CLOEXEC);
      for (ssize_t n; (n = ::read(fd, buffer, sizeof buffer)) > 0;) total += n;
      ::close(fd);
    }
    ::closedir(dir);
    benchmark::DoNotOptimize(total);
  }
}
BENCHMARK(BM_CatEveryFile)->Unit(benchmark::kMillisecond);

// A list of the folder, sized and shown.
struct ShownList {
  ShownList() {
    list.resize(640, 400);
    list.SetFolder(ChartsFolder());
    list.show();
    QCoreApplication::processEvents();
  }
  vorelim::RegisterList list;
};

// The full list: the folder read, the model filled and sorted by name, the list repainted.
void BM_RegisterFullList(benchmark::State& state) {
  ShownList shown;
  for (auto _ : state) {
    shown.list.SetFolder(ChartsFolder());
    shown.list.table()->viewport()->repaint();
  }
  state.counters["rows"] = shown.list.model()->rowCount();
}
BENCHMARK(BM_RegisterFullList)->Unit(benchmark::kMillisecond);

// One keystroke up to the list repainted: the words grow letter by letter ("m", "ma", ...
// "maria 19") and start again.
void BM_SearchKeystroke(benchmark::State& state) {
  ShownList shown;
  const QString typed = QStringLiteral("maria 19");
  int length = 0;
  for (auto _ : state) {
    length = length % typed.size() + 1;
    shown.list.searchBox()->setText(typed.left(length));
    shown.list.table()->viewport()->repaint();
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
