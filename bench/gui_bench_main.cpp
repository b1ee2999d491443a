// main() of every window benchmark program: vorelim_bench_support compiles it into each of them.
#include "bench/gui_bench_support.h"

int main(int argc, char** argv) {
  return bench::RunGuiBenchmarks(argc, argv);
}
