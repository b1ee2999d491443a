#pragma once
// The charts of one folder: every entry whose name ends in ".NUM" (any letter case) read into a
// record, or the reason it gives none. Names are the folder's bytes, whatever they are; nothing
// below the folder is looked into.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "chart/chart_record.h"

namespace vorelim {

/// Why a ".NUM" entry of a folder is no chart.
enum class EntryProblem {
  None,            // a chart: its first 66 bytes were read and hold what the program writes
  TooShort,        // a file of fewer than 66 bytes
  NotChart,        // 66 bytes or more, but not what the program writes
  Folder,          // a folder (or a link to one)
  NotRegularFile,  // a named pipe, a device or a socket
  BrokenLink,      // a symbolic link to nothing
  Unreadable,      // the file cannot be opened or read; `error` says why
};

struct ChartEntry {
  std::string file_name;  // the entry's name in the folder, as bytes
  EntryProblem problem = EntryProblem::None;
  ChartRecord record;          // the record read; all zero unless the file was read
  std::size_t bytes_read = 0;  // how many of the first 66 bytes the file gave
  int error = 0;               // errno, with Unreadable
  bool is_chart() const { return problem == EntryProblem::None; }
};

struct FolderEntries {
  /// The ".NUM" entries, charts and others, in byte order of their names.
  std::vector<ChartEntry> entries;
  /// errno when the folder itself cannot be listed (then `entries` is empty); 0 otherwise.
  int error = 0;
};

/// True when a file name ends in ".NUM" in any letter case (".NUM" alone included).
bool HasChartExtension(std::string_view file_name);

/// Reads the entry `file_name` of `folder`: the record or the reason it is none. Follows a
/// symbolic link to its file; never blocks on a named pipe.
ChartEntry ReadChartEntry(const std::filesystem::path& folder, std::string_view file_name);

/// Reads every ".NUM" entry of `folder` (not of the folders in it). An entry that vanishes while
/// the folder is read is left out.
FolderEntries ReadChartFolder(const std::filesystem::path& folder);

}  // namespace vorelim
