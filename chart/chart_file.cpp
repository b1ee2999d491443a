#include "chart/chart_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <string_view>
#include <system_error>
#include <vector>

#include "chart/windows1252.h"

namespace fs = std::filesystem;

namespace vorelim {
namespace {

constexpr std::string_view kExtension = ".NUM";
constexpr std::ptrdiff_t kExtensionLength = 4;

// Lower-case form of a Windows-1252 byte, for comparing file names without regard to letter case
// (accented letters included): chart files come from systems that do not tell "MARIA.NUM" from
// "maria.num", so two such names must stay one chart.
constexpr std::array<unsigned char, 256> MakeFoldTable() {
  std::array<unsigned char, 256> fold{};
  for (int b = 0; b < 256; ++b) fold[b] = static_cast<unsigned char>(b);
  for (int b = 'A'; b <= 'Z'; ++b) fold[b] = static_cast<unsigned char>(b + 0x20);
  for (int b = 0xC0; b <= 0xDE; ++b) {
    if (b != 0xD7) fold[b] = static_cast<unsigned char>(b + 0x20);  // 0xD7 is the sign x
  }
  fold[0x8A] = 0x9A;  // S caron
  fold[0x8C] = 0x9C;  // OE
  fold[0x8E] = 0x9E;  // Z caron
  fold[0x9F] = 0xFF;  // Y diaeresis
  return fold;
}

constexpr std::array<unsigned char, 256> kFold = MakeFoldTable();

// The case-folded Windows-1252 form of a UTF-8 file name; nothing when the name has no such form
// (it then cannot be the file of any chart).
std::optional<std::string> FoldedName(std::string_view utf8) {
  std::optional<std::string> bytes = EncodeWindows1252(utf8);
  if (!bytes) return std::nullopt;
  for (char& c : *bytes) c = static_cast<char>(kFold[static_cast<unsigned char>(c)]);
  return bytes;
}

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  // Closes now and reports the error of close itself, which can be the first sign of a failed
  // write on some file systems.
  int Close() {
    int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (n == 0) {
      errno = EIO;
      return false;
    }
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// Creates a new, empty temporary file in the folder, named so that it never looks like a chart.
// The mode 0666 lets the umask decide the permissions, as for any new file.
int CreateTemporary(const fs::path& folder, fs::path& temp_path) {
  static std::atomic<unsigned> counter{0};
  for (int attempt = 0; attempt < 100; ++attempt) {
    const unsigned long long tag = (static_cast<unsigned long long>(::getpid()) << 32) ^
                                   static_cast<unsigned long long>(std::time(nullptr)) ^
                                   (static_cast<unsigned long long>(counter++) * 2654435761u);
    temp_path = folder / (".vorelim-" + std::to_string(tag) + ".tmp");
    int fd = ::open(temp_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

// Makes a rename in the folder durable. Failure here does not undo the replace, which already
// happened, so it is not reported.
void SyncFolder(const fs::path& folder) {
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

}  // namespace

NameProblem CheckChartName(std::string_view name) {
  // Blanks are spaces and no-break spaces (U+00A0, a letter of the code page).
  std::string_view rest = name;
  while (!rest.empty()) {
    if (rest.front() == ' ') {
      rest.remove_prefix(1);
    } else if (rest.substr(0, 2) == "\xC2\xA0") {
      rest.remove_prefix(2);
    } else {
      break;
    }
  }
  if (rest.empty()) return NameProblem::Blank;
  for (char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '/' || c == '\\') return NameProblem::PathSeparator;
    if (byte < 0x20 || byte == 0x7F) return NameProblem::ControlCharacter;
    if (std::string_view(":*?\"<>|").find(c) != std::string_view::npos) {
      return NameProblem::ReservedCharacter;
    }
  }
  if (name == "." || name == "..") return NameProblem::DotName;
  std::optional<std::string> bytes = EncodeWindows1252(name);
  if (!bytes) return NameProblem::NotWindows1252;
  if (bytes->size() > kChartNameLength) return NameProblem::TooLong;
  return NameProblem::None;
}

bool IsFileName(std::string_view path) {
  return path.find('\0') == std::string_view::npos && path.size() < PATH_MAX;
}

std::string ChartNameFromPath(std::string_view path) {
  // "/" is this system's separator; "\" and a drive's ":" come in names of charts made on systems
  // that use them, and must not end up in the chart name either.
  const std::size_t cut = path.find_last_of("/\\:");
  const std::string_view file = cut == std::string_view::npos ? path : path.substr(cut + 1);
  // Characters are counted as UTF-8 sequences; a byte that starts none counts as one character.
  std::vector<std::string_view> characters;
  for (std::size_t at = 0; at < file.size() && characters.size() < kChartNameLength;) {
    const std::size_t length = std::max<std::size_t>(1, Utf8SequenceLength(file.substr(at)));
    characters.push_back(file.substr(at, length));
    at += length;
  }
  // The extension goes with the 4 characters from the first dot.
  const auto dot = std::find(characters.begin(), characters.end(), ".");
  if (dot != characters.end()) {
    characters.erase(dot, dot + std::min<std::ptrdiff_t>(kExtensionLength, characters.end() - dot));
  }
  std::string name;
  for (std::string_view character : characters) name += character;
  return name;
}

std::string ChartFileName(std::string_view name) {
  std::string file(name);
  file += kExtension;
  return file;
}

std::optional<fs::path> FindChartFile(std::string_view name, const fs::path& folder) {
  if (CheckChartName(name) != NameProblem::None) return std::nullopt;
  const std::string file_name = ChartFileName(name);
  std::error_code ec;
  const fs::path exact = folder / file_name;
  if (fs::exists(fs::symlink_status(exact, ec))) return exact;

  const std::optional<std::string> wanted = FoldedName(file_name);
  if (!wanted) return std::nullopt;
  // Several files may differ only in case; take the first by byte order so the choice does not
  // depend on the order in which the folder lists them.
  std::optional<fs::path> found;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string candidate = it->path().filename().string();
    if (candidate.size() < kExtension.size() || it->is_directory(ec)) continue;
    if (FoldedName(candidate) != wanted) continue;
    if (!found || candidate < found->filename().string()) found = it->path();
  }
  return found;
}

WriteResult WriteChartFile(const ChartRecord& record, const fs::path& folder) {
  WriteResult result;
  const std::string name = record.Name();
  result.name_problem = CheckChartName(name);
  result.path = folder / ChartFileName(name);
  if (result.name_problem != NameProblem::None) {
    result.status = WriteStatus::InvalidName;
    return result;
  }
  // Replacing a file whose name differs only in case keeps one chart per name, as on a file
  // system that ignores case.
  if (std::optional<fs::path> existing = FindChartFile(name, folder)) {
    result.path = *existing;
    std::error_code ec;
    result.earlier_file = !fs::is_directory(*existing, ec);
  }

  fs::path temp_path;
  FileDescriptor fd(CreateTemporary(folder, temp_path));
  if (fd.get() < 0) {
    result.status = WriteStatus::CannotCreate;
    result.error = errno;
    return result;
  }
  const auto fail = [&](WriteStatus status) {
    result.status = status;
    result.error = errno;
    if (fd.get() >= 0) fd.Close();
    ::unlink(temp_path.c_str());
    return result;
  };

  // A replaced chart keeps its permissions.
  struct stat existing_stat;
  if (::stat(result.path.c_str(), &existing_stat) == 0 && S_ISREG(existing_stat.st_mode)) {
    ::fchmod(fd.get(), existing_stat.st_mode & 07777);
  }
  if (!WriteAll(fd.get(), record.bytes().data(), record.bytes().size())) {
    return fail(WriteStatus::WriteFailed);
  }
  if (::fsync(fd.get()) != 0) return fail(WriteStatus::WriteFailed);
  if (fd.Close() != 0) return fail(WriteStatus::WriteFailed);
  if (::rename(temp_path.c_str(), result.path.c_str()) != 0) {
    return fail(WriteStatus::CannotReplace);
  }
  SyncFolder(folder);
  return result;
}

ReadResult ReadChartFile(std::string_view name, ChartRecord& record, const fs::path& folder) {
  if (CheckChartName(name) != NameProblem::None) {
    ReadResult result;
    result.status = ReadStatus::InvalidName;
    result.path = folder / ChartFileName(name);
    return result;
  }
  std::optional<fs::path> file = FindChartFile(name, folder);
  if (!file) {
    ReadResult result;
    result.status = ReadStatus::Missing;
    result.path = folder / ChartFileName(name);
    result.error = ENOENT;
    return result;
  }
  return ReadChartPath(*file, record);
}

ReadResult ReadChartPath(const fs::path& file, ChartRecord& record) {
  ReadResult result;
  result.path = file;
  if (!IsFileName(file.native())) {
    result.status = ReadStatus::InvalidName;
    return result;
  }
  // Read-only, so that charts on read-only media load; non-blocking, so that a named pipe cannot
  // hang the program (the flag has no effect on regular files).
  FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  struct stat info {};
  if (fd.get() < 0) {
    result.error = errno;
    result.status = errno == ENOENT ? ReadStatus::Missing : ReadStatus::Unreadable;
    // A socket cannot be opened at all, nor a device the user may not use: no file either way.
    if (result.status == ReadStatus::Unreadable && ::stat(file.c_str(), &info) == 0 &&
        !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode)) {
      result.status = ReadStatus::NotRegularFile;
    }
    return result;
  }
  if (::fstat(fd.get(), &info) != 0) {
    result.error = errno;
    result.status = ReadStatus::Unreadable;
    return result;
  }
  if (!S_ISREG(info.st_mode)) {
    result.error = S_ISDIR(info.st_mode) ? EISDIR : 0;
    result.status = S_ISDIR(info.st_mode) ? ReadStatus::Unreadable : ReadStatus::NotRegularFile;
    return result;
  }
  // Read into a buffer first: a read that fails part-way leaves the record as it was.
  std::array<std::uint8_t, kChartRecordSize> buffer;
  std::size_t total = 0;
  while (total < buffer.size()) {
    ssize_t n = ::read(fd.get(), buffer.data() + total, buffer.size() - total);
    if (n < 0) {
      if (errno == EINTR) continue;
      result.error = errno;
      result.status = ReadStatus::Unreadable;
      return result;
    }
    if (n == 0) break;
    total += static_cast<std::size_t>(n);
  }
  std::memcpy(record.bytes().data(), buffer.data(), total);
  result.bytes_read = total;
  result.status = total == kChartRecordSize ? ReadStatus::Whole : ReadStatus::Short;
  return result;
}

}  // namespace vorelim
