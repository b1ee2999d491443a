// korvex from its start to the program started, every file present (target: under 20 ms). The
// process figure runs the real binary, copied beside its settings file, and waits for it to end:
// korvex ends only after the program has been executed, so its run time bounds the time to the
// start. The in-process figure runs the same rules with the system layer, without process
// start-up, to show what the launcher's own work costs.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "launcher/launcher.h"
#include "launcher/system.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// A folder with a copy of korvex, its settings file and a CD folder holding one document.
struct Scene {
  Scene() {
    std::string pattern = (fs::temp_directory_path() / "korvex-bench-XXXXXX").string();
    root = mkdtemp(pattern.data());
    fs::copy_file(KORVEX_BINARY, root / "korvex");
    fs::create_directories(root / "cd" / "DEMO");
    std::ofstream(root / "cd" / "DEMO" / "FILE.AVI") << "x";
    std::ofstream(root / "korvex.INI")
        << "; settings\n[Other]\nA=1\n[QxLaunch]\nBIN=/bin/\nCD=" << (root / "cd").string()
        << "/\n";
  }
  ~Scene() { fs::remove_all(root); }

  fs::path root;
  std::vector<std::string> arguments{"%BIN%true", "%CD%\\DEMO\\FILE.AVI", "/play"};
};

// Stands in for the dialogs, which a launch with every file present never shows.
class NoDialogs : public korvex::SystemPlatform {
 public:
  void ShowNotice() override { std::abort(); }
  std::optional<std::string> AskForFolder(const std::string&, const std::string&) override {
    std::abort();
  }
};

void BM_KorvexProcessToProgramStarted(benchmark::State& state) {
  Scene scene;
  const std::string korvex = (scene.root / "korvex").string();
  std::vector<char*> argv{const_cast<char*>(korvex.c_str())};
  for (auto& a : scene.arguments) argv.push_back(a.data());
  argv.push_back(nullptr);
  for (auto _ : state) {
    pid_t pid = 0;
    if (posix_spawn(&pid, korvex.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
      state.SkipWithError("cannot start korvex");
      break;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("korvex did not start the program");
      break;
    }
  }
}
BENCHMARK(BM_KorvexProcessToProgramStarted)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LauncherRulesInProcess(benchmark::State& state) {
  Scene scene;
  const std::string korvex = (scene.root / "korvex").string();
  NoDialogs platform;
  for (auto _ : state) {
    if (korvex::RunLauncher(scene.arguments, korvex, platform) != korvex::kExitStarted) {
      state.SkipWithError("the launch did not start the program");
      break;
    }
  }
}
BENCHMARK(BM_LauncherRulesInProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

// A settings file of 12 MiB: many sections and keys, the launcher's section last.
struct LargeSettings {
  LargeSettings() {
    std::string pattern = (fs::temp_directory_path() / "korvex-bench-XXXXXX").string();
    root = mkdtemp(pattern.data());
    ini = (root / "korvex.INI").string();
    std::ofstream out(ini);
    for (int section = 0; out.tellp() < (12 << 20); ++section) {
      out << "[Section" << section << "]\n";
      for (int key = 0; key < 100; ++key)
        out << "KEY" << key << "=/media/cdrom/some/folder/of/the/product/\n";
    }
    out << "[QxLaunch]\nCD=/media/cdrom/\n";
  }
  ~LargeSettings() { fs::remove_all(root); }
  fs::path root;
  std::string ini;
};

// The floor: reading the whole file once.
void BM_Read12MiBSettingsFile(benchmark::State& state) {
  LargeSettings settings;
  for (auto _ : state) benchmark::DoNotOptimize(korvex::ReadWholeFile(settings.ini));
}
BENCHMARK(BM_Read12MiBSettingsFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// One run replacing 10,000 references against that file: it is read and parsed once, so this
// stays within a small multiple of the reading above.
void BM_TenThousandReferencesTo12MiBSettingsFile(benchmark::State& state) {
  LargeSettings settings;
  for (auto _ : state) {
    NoDialogs platform;
    korvex::RunState run{settings.ini, std::nullopt};
    for (int i = 0; i < 10000; ++i) {
      if (korvex::ReplaceReferences("%CD%FILE.AVI", run, platform) != "/media/cdrom/FILE.AVI") {
        state.SkipWithError("a reference was not replaced");
        return;
      }
    }
  }
}
BENCHMARK(BM_TenThousandReferencesTo12MiBSettingsFile)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
