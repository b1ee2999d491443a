#pragma once
// The immutable attribute, which not even root can write past: the one way to make a chart that
// cannot be replaced when the tests run as root and ignore permission bits.

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <filesystem>

namespace vorelim::faults {

/// Sets or clears the immutable attribute; false when the file system or the process cannot.
inline bool SetImmutable(const std::filesystem::path& file, bool on) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  int flags = 0;
  bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (ok) {
    flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
    ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  ::close(fd);
  return ok;
}

}  // namespace vorelim::faults
