#pragma once
// Fault injection on the system calls of the code under test. The fault tests link with
// -Wl,--wrap for open, read, write, fsync and close, so every call that the project's own code
// (the chart core, the launcher's system layer) makes goes through the filters below; calls made
// inside the C and C++ runtimes are untouched. Nothing is injected until a test arms a filter with
// a ScopedFaults, and each filter passes the call through unchanged otherwise.

#include <cerrno>
#include <cstddef>
#include <functional>
#include <string>

namespace vorelim::faults {

struct FaultPlan {
  /// Bytes that write() may still accept before it fails with `write_errno`; negative: no limit.
  long long write_budget = -1;
  int write_errno = ENOSPC;
  /// Largest number of bytes one write() accepts (short writes); 0: no limit.
  std::size_t write_chunk = 0;
  /// Every other write() fails with EINTR, starting with the first.
  bool interrupt_writes = false;
  /// fsync() / close() fail with this errno (after really closing); 0: they work.
  int fsync_errno = 0;
  int close_errno = 0;
  /// Bytes that read() may still return before it fails with `read_errno`; negative: no limit.
  long long read_budget = -1;
  int read_errno = EIO;
  /// Called with the path before each open(); may change the file system (make a file vanish).
  std::function<void(const std::string& path)> before_open;
};

/// What the filters saw while armed.
struct FaultCounts {
  long long bytes_read = 0;     // returned by read()
  long long bytes_written = 0;  // accepted by write()
  int reads = 0;
  int opens = 0;
};

/// Arms the filters for its lifetime.
class ScopedFaults {
 public:
  explicit ScopedFaults(FaultPlan plan);
  ~ScopedFaults();
  ScopedFaults(const ScopedFaults&) = delete;
  ScopedFaults& operator=(const ScopedFaults&) = delete;
  const FaultCounts& counts() const;
};

}  // namespace vorelim::faults
