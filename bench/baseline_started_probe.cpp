// The program that bench_launch_ratio has started: writes the CLOCK_MONOTONIC time at which its
// main() began, in nanoseconds, to the file or pipe named by argv[1], and exits.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>

int main(int argc, char** argv) {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  if (argc < 2) return 2;
  char text[32];
  const int length = std::snprintf(text, sizeof text, "%lld\n",
                                   static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
  const int out = open(argv[1], O_WRONLY | O_CLOEXEC);
  if (out < 0) return 1;
  const bool written = write(out, text, static_cast<size_t>(length)) == length;
  close(out);
  return written ? 0 : 1;
}
