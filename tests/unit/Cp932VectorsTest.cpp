// The shared vector table, checked against the iconv backend; the Windows
// runner checks the same table against the system's own conversion.
#include <gtest/gtest.h>

#include "cp932_vectors.h"

namespace zlt::test {
namespace {

TEST(Cp932Vectors, EveryVectorConvertsAsTheTableSays) {
  for (const Cp932Vector& vector : Cp932Vectors()) {
    const auto problem = CheckCp932Vector(vector);
    EXPECT_FALSE(problem.has_value()) << *problem;
  }
}

}  // namespace
}  // namespace zlt::test
