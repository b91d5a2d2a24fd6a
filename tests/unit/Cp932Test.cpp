// Code page 932: the shared vector table (checked here against the iconv backend; the Windows
// runner checks it against the system's own conversion), every byte and pair, long and damaged
// input. Random bytes are the fuzz target's.
#include <gtest/gtest.h>

#include "cp932_vectors.h"
#include "platform/Cp932.h"

namespace zlt::platform {
namespace {

TEST(Cp932Conversion, EveryVectorConvertsAsTheTableSays) {
  for (const test::Cp932Vector& vector : test::Cp932Vectors()) {
    const auto problem = test::CheckCp932Vector(vector);
    EXPECT_FALSE(problem.has_value()) << *problem;
  }
}

// Every byte alone and every pair keep their bytes, but for duplicate codes (NEC row 13 copies
// of other characters, the NEC-selected IBM rows 0xED-0xEE and the first cells of row 0xFA):
// they come back as the preferred code, so for those decoding what was encoded gives the same
// text again.
TEST(Cp932Conversion, EveryByteAndPairKeepsItsBytesOrForADuplicateCodeItsText) {
  for (int first = 0; first < 256; ++first) {
    const bool duplicates = first == 0x87 || first == 0xED || first == 0xEE || first == 0xFA;
    for (int second = -1; second < 256; ++second) {
      std::string bytes(1, static_cast<char>(first));
      if (second >= 0) bytes += static_cast<char>(second);
      const std::string text = Cp932ToUtf8(bytes);
      if (duplicates && second >= 0) {
        EXPECT_EQ(Cp932ToUtf8(Utf8ToCp932(text)), text) << first << " " << second;
      } else {
        EXPECT_EQ(Utf8ToCp932(text), bytes) << first << " " << second;
      }
    }
  }
}

// Long text, over several backend runs: one invalid byte a line keeps every byte around it,
// and each character 932 lacks becomes one "?".
TEST(Cp932Conversion, LongTextKeepsEveryByteAroundTheDamageAndMarksEachCharacterItLacks) {
  std::string bytes, text, expected;
  for (int line = 0; line < 20000; ++line) {
    bytes += "\x94\x83\x82\xa2\x95\xa8 " + std::to_string(line) +  // 買い物
             (line % 3 == 0 ? "\xff" : "\x85\x40") + "\r\n";
    text += "表¥";
    expected += "\x95\x5c?";
  }
  EXPECT_TRUE(Utf8ToCp932(Cp932ToUtf8(bytes)) == bytes);
  EXPECT_EQ(Cp932ToUtf8(bytes).substr(0, 14), "買い物 0\xEF\x9F\xBF");
  EXPECT_TRUE(Utf8ToCp932(text) == expected);
}

}  // namespace
}  // namespace zlt::platform
