#include "launcher/system.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "launcher/profile.h"

extern char** environ;

namespace korvex {
namespace {

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  int release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// How long a write waits for another run to finish its own; a file held longer is not written.
constexpr std::chrono::seconds kLockWait{10};

// Waits for an exclusive lock on `fd` until `deadline`.
bool LockBefore(int fd, std::chrono::steady_clock::time_point deadline) {
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno != EWOULDBLOCK && errno != EINTR) return false;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    ::usleep(2000);
  }
  return true;
}

// The settings file, opened and locked for one read-change-replace. The lock is on the file
// itself: every writer replaces it by rename, so once the lock is granted the path must still
// name the locked file; when another run replaced it meanwhile, its new file is locked instead.
// A missing file is created empty, so that concurrent first writers queue on it too.
struct LockedFile {
  int fd = -1;
  bool created = false;
};

std::optional<LockedFile> OpenLocked(const std::string& path) {
  const auto deadline = std::chrono::steady_clock::now() + kLockWait;
  constexpr int kFlags = O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY;
  while (true) {
    bool created = false;
    int fd = ::open(path.c_str(), kFlags);
    if (fd < 0 && errno == ENOENT) {
      fd = ::open(path.c_str(), kFlags | O_CREAT | O_EXCL, 0600);
      if (fd < 0 && errno == EEXIST) continue;
      created = fd >= 0;
    }
    if (fd < 0) return std::nullopt;
    Descriptor held(fd);
    struct stat locked {};
    // Anything but a regular file (a folder, a named pipe) is left alone.
    if (::fstat(fd, &locked) != 0 || !S_ISREG(locked.st_mode)) return std::nullopt;
    if (!LockBefore(fd, deadline)) return std::nullopt;
    struct stat named {};
    if (::stat(path.c_str(), &named) == 0 && named.st_dev == locked.st_dev &&
        named.st_ino == locked.st_ino) {
      return LockedFile{held.release(), created};
    }
  }
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
  // Without blocking: a named pipe in place of the file must not hold the launcher up.
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (fd.get() < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return std::string();
    return std::nullopt;
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  std::string content;
  char buffer[8192];
  while (true) {
    const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    content.append(buffer, static_cast<std::size_t>(n));
  }
  return content;
}

std::string ReadSettingsValue(const std::string& path, std::string_view section,
                              std::string_view key) {
  const auto text = ReadWholeFile(path);
  if (!text) return {};
  return FindProfileValue(*text, section, key).value_or(std::string());
}

bool WriteSettingsValue(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value) {
  if (!SetProfileValue("", section, key, value)) return false;
  // Read, change and replace under the lock, so that runs answering at the same moment each keep
  // the others' answers.
  const auto locked = OpenLocked(path);
  if (!locked) return false;
  const Descriptor lock(locked->fd);
  // An empty file created for the lock is removed again when nothing replaces it.
  bool replaced = false;
  struct RemoveUnused {
    const std::string& path;
    const LockedFile& file;
    const bool& replaced;
    ~RemoveUnused() {
      if (file.created && !replaced) ::unlink(path.c_str());
    }
  } remove_unused{path, *locked, replaced};

  // A file that exists but cannot be read is left alone rather than replaced by one key.
  const auto old_text = ReadWholeFile(path);
  if (!old_text) return false;
  const auto new_text = SetProfileValue(*old_text, section, key, value);
  if (!new_text) return false;
  if (*new_text == *old_text && !locked->created) return true;

  mode_t mode = 0644;
  struct stat old_stat {};
  if (!locked->created && ::fstat(lock.get(), &old_stat) == 0) mode = old_stat.st_mode & 07777;

  std::string temp = path + ".XXXXXX";
  Descriptor fd(::mkstemp(temp.data()));
  if (fd.get() < 0) return false;
  const bool written = WriteAll(fd.get(), *new_text) && ::fchmod(fd.get(), mode) == 0 &&
                       ::fsync(fd.get()) == 0 && ::close(fd.release()) == 0;
  if (!written || ::rename(temp.c_str(), path.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  replaced = true;
  return true;
}

bool CanOpenForReading(const std::string& path) {
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (fd.get() < 0) return false;
  struct stat st {};
  return ::fstat(fd.get(), &st) == 0 && !S_ISDIR(st.st_mode);
}

int StartDetached(const std::vector<std::string>& tokens) {
  if (tokens.empty()) return ENOENT;
  std::vector<char*> argv;
  argv.reserve(tokens.size() + 1);
  for (const auto& token : tokens) argv.push_back(const_cast<char*>(token.c_str()));
  argv.push_back(nullptr);

  // The started program gets default signal handling and an empty signal mask, whatever the
  // launcher had, and a session of its own.
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  sigset_t all;
  sigset_t none;
  sigfillset(&all);
  sigemptyset(&none);
  posix_spawnattr_setsigdefault(&attr, &all);
  posix_spawnattr_setsigmask(&attr, &none);
  posix_spawnattr_setflags(&attr,
                           POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSID);

  // Spawn from a short-lived intermediate child, which is reaped here at once: the program is
  // then adopted by init and can never become the launcher's zombie. The child's exit status is
  // the spawn's error (every errno fits in it); posix_spawnp returns only once the program's exec
  // has succeeded or failed.
  int error = 0;
  const pid_t middle = ::fork();
  if (middle == 0) {
    pid_t program = 0;
    ::_exit(::posix_spawnp(&program, argv[0], nullptr, &attr, argv.data(), environ) & 0xff);
  }
  if (middle < 0) {
    error = errno;
  } else {
    int status = 0;
    while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status)) error = WEXITSTATUS(status);
  }
  posix_spawnattr_destroy(&attr);
  return error;
}

bool SystemPlatform::StartCommandLine(const std::vector<std::string>& tokens) {
  const int error = StartDetached(tokens);
  if (error == 0) return true;
  const std::string program = tokens.empty() ? std::string() : tokens.front();
  std::fprintf(stderr, "korvex: cannot start \"%s\": %s\n", program.c_str(), std::strerror(error));
  return false;
}

std::string SystemPlatform::ReadSetting(const std::string& path, std::string_view section,
                                        std::string_view key) {
  if (!m_loaded || m_loaded_path != path || m_loaded_section != section) {
    m_loaded.emplace(SettingsFiles{path, m_user_settings_path}, section);
    m_loaded_path = path;
    m_loaded_section = std::string(section);
  }
  return m_loaded->LookUp(key);
}

void SystemPlatform::WriteSetting(const std::string& path, std::string_view section,
                                  std::string_view key, std::string_view value) {
  // The next look-up sees this value, and whatever other runs wrote meanwhile.
  m_loaded.reset();
  switch (RememberSetting({path, m_user_settings_path}, section, key, value)) {
    case SettingWritten::kBeside:
    case SettingWritten::kPerUser:
      return;
    case SettingWritten::kRefused:
      // Key or value holds a line break or would read back as another line: not printed whole.
      std::fputs(
          "korvex: a folder is not remembered: its name or folder cannot be kept in a "
          "settings file\n",
          stderr);
      return;
    case SettingWritten::kFailed: {
      const std::string where =
          m_user_settings_path.empty()
              ? path + " cannot be written and HOME names no folder"
              : "neither " + path + " nor " + m_user_settings_path + " can be written";
      std::fprintf(stderr, "korvex: the folder %.*s for %.*s is not remembered: %s\n",
                   static_cast<int>(value.size()), value.data(), static_cast<int>(key.size()),
                   key.data(), where.c_str());
      return;
    }
  }
}

std::string ExecutablePath(std::string_view fallback) {
  std::string buffer(256, '\0');
  while (true) {
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (n < 0) return std::string(fallback);
    if (static_cast<std::size_t>(n) < buffer.size()) {
      buffer.resize(static_cast<std::size_t>(n));
      return buffer;
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace korvex
