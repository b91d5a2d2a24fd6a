// The middle of a set of timings: one slow run (a load that came and went)
// does not move it.
#pragma once

#include <algorithm>
#include <vector>

namespace zlt::bench {

inline double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const auto n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace zlt::bench
