// Code page 932: the shared vector table (checked here against the iconv backend; the Windows
// runner checks it against the system's own conversion), every byte and pair, long and damaged
// input. Random bytes are the fuzz target's.
#include <gtest/gtest.h>

#include "cp932_vectors.h"
#include "platform/Cp932.h"

namespace zlt::platform {
namespace {

// Duplicate codes (NEC row 13 copies of other characters, the NEC-selected
// IBM rows 0xED-0xEE and the first cells of row 0xFA) legitimately come back
// as the preferred code, so for those only the text is checked: decoding what
// was encoded gives the same text again.
void ExpectStableText(std::string_view bytes) {
  const std::string text = Cp932ToUtf8(bytes);
  EXPECT_EQ(Cp932ToUtf8(Utf8ToCp932(text)), text);
}

bool IsDuplicateRow(int lead) {
  return lead == 0x87 || lead == 0xED || lead == 0xEE || lead == 0xFA;
}

TEST(Cp932Conversion, EveryVectorConvertsAsTheTableSays) {
  for (const test::Cp932Vector& vector : test::Cp932Vectors()) {
    const auto problem = test::CheckCp932Vector(vector);
    EXPECT_FALSE(problem.has_value()) << *problem;
  }
}

TEST(Cp932Conversion, EveryByteAloneKeepsItsByte) {
  for (int b = 0; b < 256; ++b) {
    const std::string byte(1, static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp932(Cp932ToUtf8(byte)), byte) << "byte " << b;
  }
}

TEST(Cp932Conversion, EveryPairAfterALeadByteKeepsItsBytesOutsideDuplicateRows) {
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    if (lead > 0x9F && lead < 0xE0) continue;
    const bool duplicates = IsDuplicateRow(lead);
    for (int trail = 0; trail < 256; ++trail) {
      const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
      if (duplicates) {
        ExpectStableText(pair);
      } else {
        EXPECT_EQ(Utf8ToCp932(Cp932ToUtf8(pair)), pair) << lead << " " << trail;
      }
    }
  }
}

TEST(Cp932Conversion, LongDamagedTextKeepsEveryByteAroundTheDamage) {
  // Valid text with one invalid byte per line, over several backend runs.
  std::string bytes;
  for (int line = 0; line < 20000; ++line) {
    bytes += "\x94\x83\x82\xa2\x95\xa8 ";  // 買い物
    bytes += std::to_string(line);
    bytes += (line % 3 == 0) ? "\xff" : "\x85\x40";
    bytes += "\r\n";
  }
  const std::string text = Cp932ToUtf8(bytes);
  EXPECT_TRUE(Utf8ToCp932(text) == bytes);
  EXPECT_EQ(text.substr(0, 14), "買い物 0\xEF\x9F\xBF");
}

TEST(Cp932Conversion, TextWithManyUnencodableCharactersGetsOneQuestionMarkEach) {
  std::string text;
  std::string expected;
  for (int i = 0; i < 5000; ++i) {
    text += "表¥";
    expected += "\x95\x5c?";
  }
  EXPECT_EQ(Utf8ToCp932(text), expected);
}

}  // namespace
}  // namespace zlt::platform
