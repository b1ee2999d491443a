#include "support/tmpfs_mount.h"

#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace vorelim::test {

TmpfsMount::TmpfsMount(const std::string& size) {
  char pattern[] = "/tmp/vorelim-mount-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) {
    error_ = errno;
    return;
  }
  path_ = pattern;
  const std::string options = "size=" + size + ",mode=0755";
  if (::mount("tmpfs", pattern, "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) != 0) {
    error_ = errno;
    return;
  }
  mounted_ = true;
}

TmpfsMount::~TmpfsMount() {
  if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
  if (!path_.empty()) ::rmdir(path_.c_str());
}

std::string TmpfsMount::why() const {
  return std::strerror(error_);
}

bool TmpfsMount::MakeReadOnly() {
  return ::mount("tmpfs", path_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

}  // namespace vorelim::test
