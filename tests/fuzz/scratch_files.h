#pragma once
// Files for the fuzz targets that go through the file layer: one scratch folder per process, on
// /dev/shm where there is one (an input is written and read back many thousand times a second),
// and a writer that puts an input's bytes into a file as they are.

#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "fuzz_check.h"

namespace vorelim::fuzz {

/// The process's scratch folder, made on the first call from `prefix` (the name of the first
/// call stays for the process) and removed at exit.
inline const std::filesystem::path& ScratchFolder(std::string_view prefix) {
  static const std::filesystem::path folder = [prefix] {
    const char* base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
    std::string pattern = std::string(base) + "/" + std::string(prefix) + "-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    static const std::string created = pattern;
    std::atexit([] { std::filesystem::remove_all(created); });
    return std::filesystem::path(pattern);
  }();
  return folder;
}

/// Creates or empties `file` and writes `bytes` into it, whatever they hold.
inline void WriteWholeFile(const std::filesystem::path& file, std::string_view bytes) {
  const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  FUZZ_CHECK(fd >= 0);
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    FUZZ_CHECK(n > 0);
    written += static_cast<std::size_t>(n);
  }
  ::close(fd);
}

}  // namespace vorelim::fuzz
