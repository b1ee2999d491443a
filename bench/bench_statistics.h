#pragma once
// What the process benchmarks report of their repeated runs.
#include <algorithm>
#include <cstddef>
#include <vector>

namespace bench {

/// The median of `values`; 0 for none.
inline double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t mid = values.size() / 2;
  return values.size() % 2 == 1 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

}  // namespace bench
