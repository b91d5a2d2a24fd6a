#include <gtest/gtest.h>

#include "note/ValueText.h"

namespace zlt::note {
namespace {

TEST(TextToTruth, AcceptsWordsInAnyCaseAndNumbers) {
  EXPECT_EQ(TextToTruth("True"), true);
  EXPECT_EQ(TextToTruth("TRUE"), true);
  EXPECT_EQ(TextToTruth(" false "), false);
  EXPECT_EQ(TextToTruth("1"), true);
  EXPECT_EQ(TextToTruth("-1"), true);
  EXPECT_EQ(TextToTruth("0.5"), true);
  EXPECT_EQ(TextToTruth("0"), false);
  EXPECT_EQ(TextToTruth("0.0"), false);
}

TEST(TextToTruth, RefusesEverythingElse) {
  for (const char* text : {"", " ", "yes", "Tru", "truex", "1x", "nan", "inf", "0x1", "--1", "+"}) {
    EXPECT_EQ(TextToTruth(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(TextToInt16, RoundsHalvesToEven) {
  EXPECT_EQ(TextToInt16("1"), 1);
  EXPECT_EQ(TextToInt16(" 0 "), 0);
  EXPECT_EQ(TextToInt16("+7"), 7);
  EXPECT_EQ(TextToInt16("0.5"), 0);
  EXPECT_EQ(TextToInt16("1.5"), 2);
  EXPECT_EQ(TextToInt16("2.5"), 2);
  EXPECT_EQ(TextToInt16("-2.5"), -2);
  EXPECT_EQ(TextToInt16("1e2"), 100);
  EXPECT_EQ(TextToInt16("32767"), 32767);
  EXPECT_EQ(TextToInt16("-32768"), -32768);
  EXPECT_EQ(TextToInt16("32767.4"), 32767);
}

TEST(TextToInt16, RefusesJunkAndValuesOutOfRange) {
  for (const char* text : {"", "Err", "1,0", "32768", "-32769", "32767.5", "1e400", "nan", "1 2"}) {
    EXPECT_EQ(TextToInt16(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(TextToTwips, ReadsASingleThenRoundsHalvesToEven) {
  EXPECT_EQ(TextToTwips("9120"), 9120);
  EXPECT_EQ(TextToTwips("9120.5"), 9120);
  EXPECT_EQ(TextToTwips("9121.5"), 9122);
  EXPECT_EQ(TextToTwips("-15.5"), -16);
  EXPECT_EQ(TextToTwips("1500.49"), 1500);
  // As a single, 16777217 is 16777216: the text is read at single precision.
  EXPECT_EQ(TextToTwips("16777217"), 16777216);
}

TEST(TextToTwips, RefusesJunkAndValuesOutOfRange) {
  for (const char* text : {"", "left", "12px", "3e9", "-3e9", "1e39"}) {
    EXPECT_EQ(TextToTwips(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(SingleToText, WritesTheShortestPlainDecimal) {
  EXPECT_EQ(SingleToText(9120.0f), "9120");
  EXPECT_EQ(SingleToText(9120.5f), "9120.5");
  EXPECT_EQ(SingleToText(0.1f), "0.1");
  EXPECT_EQ(SingleToText(-15.0f), "-15");
  EXPECT_EQ(SingleToText(-0.0f), "0");
  EXPECT_EQ(SingleToText(1e10f), "10000000000");
  EXPECT_EQ(SingleToText(std::numeric_limits<float>::infinity()), "0");
  EXPECT_EQ(SingleToText(std::numeric_limits<float>::quiet_NaN()), "0");
}

TEST(SingleToText, ReadsBackAsTheSameNumber) {
  for (const float value : {0.1f, 1.0f / 3.0f, 123456.79f, -9120.5f, 3.4e38f, 1e-20f}) {
    const std::string text = SingleToText(value);
    EXPECT_EQ(std::stof(text), value) << text;
    EXPECT_EQ(text.find_first_of("eE,"), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace zlt::note
