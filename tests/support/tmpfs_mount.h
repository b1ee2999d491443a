#pragma once
// A small tmpfs mounted for one test and unmounted however the test ends: a file system that can
// be filled to the last byte or made read-only. Mounting needs root; without it the tests that
// need such a file system skip (SKIP_UNLESS_MOUNTED).

#include <filesystem>
#include <string>

namespace vorelim::test {

class TmpfsMount {
 public:
  /// Mounts a tmpfs of `size` (as mount takes it: "64k", "1m") on a fresh folder under /tmp.
  explicit TmpfsMount(const std::string& size);
  ~TmpfsMount();
  TmpfsMount(const TmpfsMount&) = delete;
  TmpfsMount& operator=(const TmpfsMount&) = delete;

  bool mounted() const { return mounted_; }
  /// Why the mount failed.
  std::string why() const;
  const std::filesystem::path& path() const { return path_; }
  /// Remounts it read-only; false (errno set) when that is refused.
  bool MakeReadOnly();

 private:
  std::filesystem::path path_;
  bool mounted_ = false;
  int error_ = 0;
};

}  // namespace vorelim::test

#define SKIP_UNLESS_MOUNTED(mount)                                                         \
  if (!(mount).mounted())                                                                  \
  GTEST_SKIP() << "cannot mount a tmpfs (" << (mount).why() << "); run the tests as root " \
               << "to check full and read-only file systems"
