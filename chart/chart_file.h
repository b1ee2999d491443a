#pragma once
// Chart files: NAME.NUM in the current folder, holding one 66-byte chart record.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "chart/chart_record.h"

namespace vorelim {

/// Why a chart name cannot name a chart file.
enum class NameProblem {
  None,
  Blank,              // empty, or nothing but blanks: it would give a hidden or unreadable file
  PathSeparator,      // '/' or '\'
  ReservedCharacter,  // : * ? " < > |
  ControlCharacter,
  DotName,  // "." or ".."
  NotWindows1252,
  TooLong,  // more than 15 characters
};

/// Checks a UTF-8 chart name. A chart name is never a path.
NameProblem CheckChartName(std::string_view name);

/// True when the system can take `path` as a file name: it holds no zero byte (which would end the
/// name early, so that another file opened) and is shorter than the system's limit for a path
/// (PATH_MAX, its terminating zero included). Names that come from outside (the command line, the
/// session bus, a drop) are checked with this before anything opens them.
bool IsFileName(std::string_view path);

/// The chart name of a file given by its path (UTF-8, or any bytes): the part after the last "/",
/// "\" or ":", cut to kChartNameLength characters, without the 4 characters from its first dot
/// ("MARIA.NUM" gives "MARIA"). The reverse of ChartFileName for every chart the program writes.
std::string ChartNameFromPath(std::string_view path);

/// The file name of a chart: the name followed by ".NUM".
std::string ChartFileName(std::string_view name);

/// The existing file in `folder` for the chart name: NAME.NUM itself when present, otherwise the
/// one file whose name matches it ignoring letter case. Nothing when none exists or the name is
/// refused.
std::optional<std::filesystem::path> FindChartFile(std::string_view name,
                                                   const std::filesystem::path& folder = ".");

enum class WriteStatus {
  Ok,
  InvalidName,    // CheckChartName refused the record's name; nothing was written
  CannotCreate,   // the temporary file could not be created (read-only folder, no permission)
  WriteFailed,    // writing or flushing the temporary file failed (full disk, I/O error)
  CannotReplace,  // the rename over the chart failed (for example a folder of that name)
};

struct WriteResult {
  WriteStatus status = WriteStatus::Ok;
  NameProblem name_problem = NameProblem::None;  // with InvalidName
  std::filesystem::path path;                    // the file meant to be written
  int error = 0;                                 // errno of the failing call
  bool earlier_file = false;  // a file of that name was there before; a failed write keeps it
  bool ok() const { return status == WriteStatus::Ok; }
};

/// Writes the record to Name + ".NUM" in the current folder (or `folder`), replacing an existing
/// chart of that name (found ignoring case) atomically: a failed write leaves the old file intact
/// and no temporary file behind.
WriteResult WriteChartFile(const ChartRecord& record, const std::filesystem::path& folder = ".");

enum class ReadStatus {
  Whole,           // the first 66 bytes were read
  Missing,         // no file of that name, ignoring case; the record is untouched
  Short,           // the file holds fewer than 66 bytes (maybe none): only they were read
  Unreadable,      // the file cannot be opened or read, or is a folder; record untouched
  NotRegularFile,  // a named pipe, a device or a socket, not a file; record untouched
  InvalidName,     // CheckChartName refused the name; record untouched
};

struct ReadResult {
  ReadStatus status = ReadStatus::Whole;
  std::size_t bytes_read = 0;
  std::filesystem::path path;
  int error = 0;
  /// The file itself was read (whole or short): it can be shown as a chart.
  bool file_read() const { return status == ReadStatus::Whole || status == ReadStatus::Short; }
};

/// Reads the first 66 bytes of name + ".NUM" in the current folder (or `folder`) into the record.
/// A missing or unreadable file leaves the record untouched; a short file fills only its start.
ReadResult ReadChartFile(std::string_view name, ChartRecord& record,
                         const std::filesystem::path& folder = ".");

/// The same for a file given by its path, opened for reading only. A path that is no file name
/// (IsFileName) is not opened: InvalidName.
ReadResult ReadChartPath(const std::filesystem::path& file, ChartRecord& record);

}  // namespace vorelim
