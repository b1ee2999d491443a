#include "register/folder_watcher.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <cstring>

namespace vorelim {

FolderWatcher::FolderWatcher(QObject* parent) : QObject(parent) {
  fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (fd_ < 0) return;
  notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &FolderWatcher::Read);
}

FolderWatcher::~FolderWatcher() {
  if (fd_ >= 0) ::close(fd_);
}

bool FolderWatcher::Watch(const std::filesystem::path& folder) {
  if (fd_ < 0) return false;
  if (watch_ >= 0) ::inotify_rm_watch(fd_, watch_);
  constexpr std::uint32_t kEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO |
                                    IN_CLOSE_WRITE | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF |
                                    IN_ONLYDIR;
  watch_ = ::inotify_add_watch(fd_, folder.c_str(), kEvents);
  return watch_ >= 0;
}

void FolderWatcher::Read() {
  alignas(inotify_event) std::array<char, 4096> buffer;
  bool changed = false;
  for (;;) {
    const ssize_t n = ::read(fd_, buffer.data(), buffer.size());
    if (n <= 0) break;
    for (ssize_t at = 0; at < n;) {
      inotify_event event;
      std::memcpy(&event, buffer.data() + at, sizeof event);
      at += static_cast<ssize_t>(sizeof event + event.len);
      if (event.wd != watch_) continue;  // a folder watched before
      changed = true;
      // The folder itself went away: the kernel dropped its watch.
      if (event.mask & (IN_IGNORED | IN_DELETE_SELF | IN_MOVE_SELF)) {
        if (event.mask & IN_MOVE_SELF) ::inotify_rm_watch(fd_, watch_);
        watch_ = -1;
      }
    }
  }
  if (changed) emit Changed();
}

}  // namespace vorelim
