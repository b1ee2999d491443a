// The launch baseline: the least a program can do to start another one. Starts argv[1] (searched
// on the PATH) with the remaining arguments through posix_spawnp and exits without waiting.
#include <spawn.h>

extern char** environ;

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  pid_t pid = 0;
  return posix_spawnp(&pid, argv[1], nullptr, nullptr, argv + 1, environ) == 0 ? 0 : 1;
}
