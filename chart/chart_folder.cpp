#include "chart/chart_folder.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "chart/chart_file.h"

namespace vorelim {

bool HasChartExtension(std::string_view file_name) {
  constexpr std::string_view kExtension = ".num";
  if (file_name.size() < kExtension.size()) return false;
  const std::string_view end = file_name.substr(file_name.size() - kExtension.size());
  return std::equal(end.begin(), end.end(), kExtension.begin(), [](char a, char b) {
    return (a >= 'A' && a <= 'Z' ? static_cast<char>(a + ('a' - 'A')) : a) == b;
  });
}

ChartEntry ReadChartEntry(const std::filesystem::path& folder, std::string_view file_name) {
  ChartEntry entry;
  entry.file_name = std::string(file_name);
  const ReadResult read = ReadChartPath(folder / entry.file_name, entry.record);
  entry.bytes_read = read.bytes_read;
  entry.error = read.error;
  switch (read.status) {
    case ReadStatus::Whole:
      entry.problem = entry.record.LooksLikeChart() ? EntryProblem::None : EntryProblem::NotChart;
      break;
    case ReadStatus::Short:
      entry.problem = EntryProblem::TooShort;
      break;
    case ReadStatus::NotRegularFile:
      entry.problem = EntryProblem::NotRegularFile;
      break;
    case ReadStatus::Missing:
      // Listed but not there to open: a link to nothing (a file that went away meanwhile is
      // told the same way; the folder's next reading leaves it out).
      entry.problem = EntryProblem::BrokenLink;
      break;
    case ReadStatus::Unreadable:
    case ReadStatus::InvalidName:
      entry.problem = read.error == EISDIR ? EntryProblem::Folder : EntryProblem::Unreadable;
      break;
  }
  return entry;
}

FolderEntries ReadChartFolder(const std::filesystem::path& folder) {
  FolderEntries result;
  // readdir rather than std::filesystem's iterator: it gives the names as they are, with no
  // exception or allocation of a path per entry, which counts in a folder of thousands of charts.
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) {
    result.error = errno;
    return result;
  }
  std::vector<std::string> names;
  while (const dirent* item = ::readdir(dir)) {
    const std::string_view name(item->d_name);
    if (name == "." || name == ".." || !HasChartExtension(name)) continue;
    names.emplace_back(name);
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  result.entries.reserve(names.size());
  for (const std::string& name : names) {
    ChartEntry entry = ReadChartEntry(folder, name);
    if (entry.problem == EntryProblem::BrokenLink) {
      // A name that is no link any more went away after the listing: no entry at all.
      struct stat info {};
      if (::lstat((folder / name).c_str(), &info) != 0) continue;
    }
    result.entries.push_back(std::move(entry));
  }
  return result;
}

}  // namespace vorelim
