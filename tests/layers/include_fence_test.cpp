// The layer fence: every include in the source tree stays in its file's own layer or goes to one
// below it, and none climbs out of its folder with "..". The build's per-target include folders
// keep a wrong-way "folder/name.h" from compiling, but a quoted include is searched first beside
// the including file, so "../app/tformdi.h" would compile and link; this scan is what refuses it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

// Each layer's folder and the folders below it that it may include from; its own folder always.
// desktop/ serves both programs; bench/ and tests/ sit above every layer.
struct Layer {
  const char* folder;
  std::set<std::string> below;
};

const std::vector<Layer>& Layers() {
  static const std::vector<Layer> layers = {
      {"desktop", {}},
      {"chart", {}},
      {"ui", {"chart", "desktop"}},
      {"texts", {"chart", "ui", "desktop"}},
      {"chartview", {"chart", "ui", "texts", "desktop"}},
      {"compare", {"chart", "ui", "texts", "chartview", "desktop"}},
      {"report", {"chart", "ui", "texts", "chartview", "desktop"}},
      {"newchart", {"chart", "ui", "desktop"}},
      {"resources", {}},
      {"app",
       {"chart", "ui", "texts", "chartview", "compare", "report", "newchart", "resources",
        "desktop"}},
      {"launcher", {"desktop"}},
      {"bench",
       {"chart", "ui", "texts", "chartview", "compare", "report", "newchart", "resources", "app",
        "launcher", "desktop"}},
      {"tests",
       {"chart", "ui", "texts", "chartview", "compare", "report", "newchart", "resources", "app",
        "launcher", "desktop"}},
  };
  return layers;
}

const Layer* LayerOf(const std::string& folder) {
  for (const Layer& layer : Layers()) {
    if (folder == layer.folder) return &layer;
  }
  return nullptr;
}

// The file an #include line names, as written between its quotes or angle brackets, and whether it
// is quoted; nothing for any other line.
std::optional<std::pair<std::string, bool>> Included(const std::string& line) {
  constexpr std::string_view kBlanks = " \t";
  std::size_t at = line.find_first_not_of(kBlanks);
  if (at == std::string::npos || line[at] != '#') return std::nullopt;
  at = line.find_first_not_of(kBlanks, at + 1);
  if (at == std::string::npos || line.compare(at, 7, "include") != 0) return std::nullopt;
  at = line.find_first_not_of(kBlanks, at + 7);
  if (at == std::string::npos || (line[at] != '"' && line[at] != '<')) return std::nullopt;
  const bool quoted = line[at] == '"';
  const std::size_t end = line.find(quoted ? '"' : '>', at + 1);
  if (end == std::string::npos) return std::nullopt;
  return std::pair{line.substr(at + 1, end - at - 1), quoted};
}

// What is wrong with one line of a file in `folder` (the first part of its path in the tree),
// whose own folder holds `siblings`; nothing when the line is no include or a good one.
std::optional<std::string> Fault(const std::string& folder, const std::string& line,
                                 const std::set<std::string>& siblings) {
  const auto included = Included(line);
  if (!included) return std::nullopt;
  const auto& [target, quoted] = *included;
  for (const auto& part : fs::path(target)) {
    if (part == "..") return "climbs out of its folder: " + target;
  }
  const std::size_t slash = target.find('/');
  if (slash == std::string::npos) {
    // A bare name is a file beside the includer (or a generated moc file, or a system header).
    if (!quoted || siblings.contains(target) || target.ends_with(".moc")) return std::nullopt;
    return "names no file of its own folder: " + target;
  }
  const std::string first = target.substr(0, slash);
  const Layer* own = LayerOf(folder);
  const bool project_folder = LayerOf(first) != nullptr;
  if (!project_folder || first == folder) return std::nullopt;
  if (first == "tests" && folder == "tests") return std::nullopt;
  if (own != nullptr && own->below.contains(first)) return std::nullopt;
  return "reaches up or across to " + first + "/: " + target;
}

TEST(include_fence_test, tells_each_kind_of_include) {
  const std::set<std::string> siblings = {"korvex_icon.h"};
  const struct {
    const char* folder;
    const char* line;
    bool refused;
  } rows[] = {
      {"chartview", "#include \"chartview/paint_box.h\"", false},
      {"chartview", "#include \"texts/tform2.h\"", false},
      {"chartview", "#include \"../app/tformdi.h\"", true},
      {"chartview", "#include \"chartview/../app/tformdi.h\"", true},
      {"chartview", "#include \"app/tformdi.h\"", true},
      {"chartview", "#include <app/tformdi.h>", true},
      {"newchart", "#include \"chartview/tvemapa.h\"", true},
      {"chart", "#include \"ui/messages.h\"", true},
      {"chart", "#include <QString>", false},
      {"launcher", "#include \"chart/chart_file.h\"", true},
      {"launcher", "#include \"korvex_icon.h\"", false},
      {"launcher", "#include \"tformdi.h\"", true},
      {"app", "#include \"resources/pictures/about_icon.xpm\"", false},
      {"tests", "#include \"support/charts.h\"", false},
      {"tests", "#include \"../support/charts.h\"", true},
      {"chart", "// #include is only a word here", false},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Fault(row.folder, row.line, siblings).has_value(), row.refused)
        << row.folder << ": " << row.line;
  }
}

TEST(include_fence_test, every_source_file_keeps_to_its_layer) {
  const fs::path root = VORELIM_SOURCE_DIR;
  std::size_t files = 0;
  for (const Layer& layer : Layers()) {
    for (const auto& entry : fs::recursive_directory_iterator(root / layer.folder)) {
      const std::string extension = entry.path().extension().string();
      if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp")) continue;
      ++files;
      std::set<std::string> siblings;
      for (const auto& sibling : fs::directory_iterator(entry.path().parent_path())) {
        siblings.insert(sibling.path().filename().string());
      }
      std::ifstream in(entry.path());
      std::string line;
      for (int number = 1; std::getline(in, line); ++number) {
        if (auto fault = Fault(layer.folder, line, siblings)) {
          ADD_FAILURE() << fs::relative(entry.path(), root).string() << ":" << number << ": "
                        << *fault;
        }
      }
    }
  }
  EXPECT_GT(files, 100u) << "the scan found the source tree at " << root;
}

}  // namespace
