#include "io_faults.h"

#include <fcntl.h>
#include <sys/types.h>
#include <unistd.h>

#include <cstdarg>
#include <optional>
#include <utility>

extern "C" {
int __real_open(const char* path, int flags, ...);
ssize_t __real_read(int fd, void* buffer, size_t size);
ssize_t __real_write(int fd, const void* buffer, size_t size);
int __real_fsync(int fd);
int __real_close(int fd);
}

namespace vorelim::faults {
namespace {

std::optional<FaultPlan> g_plan;
FaultCounts g_counts;
bool g_interrupted = false;  // the last write() was the injected EINTR

}  // namespace

ScopedFaults::ScopedFaults(FaultPlan plan) {
  g_counts = FaultCounts{};
  g_interrupted = false;
  g_plan = std::move(plan);
}

ScopedFaults::~ScopedFaults() {
  g_plan.reset();
}

const FaultCounts& ScopedFaults::counts() const {
  return g_counts;
}

}  // namespace vorelim::faults

using vorelim::faults::g_counts;
using vorelim::faults::g_interrupted;
using vorelim::faults::g_plan;

extern "C" {

int __wrap_open(const char* path, int flags, ...) {
  mode_t mode = 0;
  if ((flags & O_CREAT) != 0 || (flags & O_TMPFILE) == O_TMPFILE) {
    va_list args;
    va_start(args, flags);
    mode = static_cast<mode_t>(va_arg(args, int));
    va_end(args);
  }
  if (g_plan) {
    ++g_counts.opens;
    if (g_plan->before_open) g_plan->before_open(path);
  }
  return __real_open(path, flags, mode);
}

ssize_t __wrap_read(int fd, void* buffer, size_t size) {
  if (!g_plan) return __real_read(fd, buffer, size);
  ++g_counts.reads;
  if (g_plan->read_budget == 0) {
    errno = g_plan->read_errno;
    return -1;
  }
  if (g_plan->read_budget > 0 && size > static_cast<size_t>(g_plan->read_budget)) {
    size = static_cast<size_t>(g_plan->read_budget);
  }
  const ssize_t n = __real_read(fd, buffer, size);
  if (n > 0) {
    g_counts.bytes_read += n;
    if (g_plan->read_budget > 0) g_plan->read_budget -= n;
  }
  return n;
}

ssize_t __wrap_write(int fd, const void* buffer, size_t size) {
  if (!g_plan) return __real_write(fd, buffer, size);
  if (g_plan->interrupt_writes) {
    g_interrupted = !g_interrupted;
    if (g_interrupted) {
      errno = EINTR;
      return -1;
    }
  }
  if (g_plan->write_budget == 0 && size > 0) {
    errno = g_plan->write_errno;
    return -1;
  }
  if (g_plan->write_budget > 0 && size > static_cast<size_t>(g_plan->write_budget)) {
    size = static_cast<size_t>(g_plan->write_budget);
  }
  if (g_plan->write_chunk > 0 && size > g_plan->write_chunk) size = g_plan->write_chunk;
  const ssize_t n = __real_write(fd, buffer, size);
  if (n > 0) {
    g_counts.bytes_written += n;
    if (g_plan->write_budget > 0) g_plan->write_budget -= n;
  }
  return n;
}

int __wrap_fsync(int fd) {
  if (g_plan && g_plan->fsync_errno != 0) {
    errno = g_plan->fsync_errno;
    return -1;
  }
  return __real_fsync(fd);
}

int __wrap_close(int fd) {
  const int result = __real_close(fd);
  if (g_plan && g_plan->close_errno != 0 && result == 0) {
    errno = g_plan->close_errno;
    return -1;
  }
  return result;
}

}  // extern "C"
