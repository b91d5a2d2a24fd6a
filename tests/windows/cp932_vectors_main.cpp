// Checks the shared code page 932 vectors against the system's own
// conversion: one line per failing vector, then "N passed, M failed".
#include <cstdio>

#include "cp932_vectors.h"

int main() {
  int passed = 0;
  int failed = 0;
  for (const zlt::test::Cp932Vector& vector : zlt::test::Cp932Vectors()) {
    if (const auto problem = zlt::test::CheckCp932Vector(vector)) {
      std::printf("FAIL %s\n", problem->c_str());
      ++failed;
    } else {
      ++passed;
    }
  }
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 ? 0 : 1;
}
