#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>
#include <optional>
#include <utility>

#include "note/ValueText.h"
#include "state/Text.h"

namespace zlt::note {
namespace {

template <typename T>
using Cases = std::initializer_list<std::pair<const char*, std::optional<T>>>;

TEST(TextToTruth, AcceptsWordsInAnyCaseAndNumbersAndRefusesEverythingElse) {
  const Cases<bool> cases = {{"True", true}, {"TRUE", true}, {" false ", false}, {"1", true},
                             {"-1", true},   {"0.5", true},  {"0", false},       {"0.0", false},
                             {"", {}},       {" ", {}},      {"yes", {}},        {"Tru", {}},
                             {"truex", {}},  {"1x", {}},     {"nan", {}},        {"inf", {}},
                             {"0x1", {}},    {"--1", {}},    {"+", {}}};
  for (const auto& [text, truth] : cases) EXPECT_EQ(TextToTruth(text), truth) << '"' << text << '"';
}

// One parser, two syntaxes: the alarm's hour and minute boxes take whole
// numbers alone, the note file's numbers (read into 16 bits, halves rounded to
// even) fractions and exponents too.
TEST(ParseWholeNumber, TakesFractionsAndExponentsOnlyInTheDecimalSyntax) {
  // As the hour and minute boxes are read: nine digits at most.
  const Cases<long> whole = {
      {"9", 9},         {" 09 ", 9},        {"-05", -5},     {"+7", 7},          {"-0", 0},
      {"0.5", {}},      {"1.5", {}},        {"2.5", {}},     {"-2.5", {}},       {"3.5", {}},
      {"32767", 32767}, {"-32768", -32768}, {"32767.4", {}}, {"32768", 32768},   {"-32769", -32769},
      {"32767.5", {}},  {"1e400", {}},      {"nan", {}},     {"Err", {}},        {"1,0", {}},
      {"1e2", {}},      {".5", {}},         {"7.", {}},      {"0000000001", {}}, {"99999", 99999},
      {"", {}},         {"+", {}},          {"--1", {}},     {"+-1", {}},        {"1 2", {}},
      {"0x1", {}},      {"1e", {}}};
  for (const auto& [text, value] : whole) {
    EXPECT_EQ(ParseWholeNumber<long>(text, NumberSyntax::kWhole), value) << '"' << text << '"';
  }
  EXPECT_EQ(ParseWholeNumber<long>("123456789", NumberSyntax::kWhole), 123456789);
  // As Alarm and AlarmMusic are read.
  const Cases<std::int16_t> decimal = {
      {"9", 9},           {" 09 ", 9},   {"-05", -5},      {"+7", 7},
      {"-0", 0},          {"0.5", 0},    {"1.5", 2},       {"2.5", 2},
      {"-2.5", -2},       {"3.5", 4},    {"32767", 32767}, {"-32768", -32768},
      {"32767.4", 32767}, {"32768", {}}, {"-32769", {}},   {"32767.5", {}},
      {"1e400", {}},      {"nan", {}},   {"Err", {}},      {"1,0", {}},
      {"1e2", 100},       {".5", 0},     {"7.", 7},        {"0000000001", 1},
      {"123456789", {}},  {"99999", {}}, {"", {}},         {"+", {}},
      {"--1", {}},        {"+-1", {}},   {"1 2", {}},      {"0x1", {}},
      {"1e", {}}};
  for (const auto& [text, value] : decimal) {
    EXPECT_EQ(TextToInt16(text), value) << '"' << text << '"';
  }
}

TEST(TextToTwips, ReadsASingleThenRoundsHalvesToEvenAndRefusesJunkAndValuesOutOfRange) {
  // As a single, 16777217 is 16777216: the text is read at single precision.
  const Cases<std::int32_t> cases = {{"9120", 9120}, {"9120.5", 9120},  {"9121.5", 9122},
                                     {"-15.5", -16}, {"1500.49", 1500}, {"16777217", 16777216},
                                     {"", {}},       {"left", {}},      {"12px", {}},
                                     {"3e9", {}},    {"-3e9", {}},      {"1e39", {}}};
  for (const auto& [text, twips] : cases) EXPECT_EQ(TextToTwips(text), twips) << '"' << text << '"';
}

TEST(SingleToText, WritesTheShortestPlainDecimalThatReadsBackAsTheSameNumber) {
  EXPECT_EQ(SingleToText(9120.0f), "9120");
  EXPECT_EQ(SingleToText(9120.5f), "9120.5");
  EXPECT_EQ(SingleToText(0.1f), "0.1");
  EXPECT_EQ(SingleToText(-15.0f), "-15");
  EXPECT_EQ(SingleToText(-0.0f), "0");
  EXPECT_EQ(SingleToText(1e10f), "10000000000");
  EXPECT_EQ(SingleToText(std::numeric_limits<float>::infinity()), "0");
  EXPECT_EQ(SingleToText(std::numeric_limits<float>::quiet_NaN()), "0");
  for (const float value : {0.1f, 1.0f / 3.0f, 123456.79f, -9120.5f, 3.4e38f, 1e-20f}) {
    const std::string text = SingleToText(value);
    EXPECT_EQ(std::stof(text), value) << text;
    EXPECT_EQ(text.find_first_of("eE,"), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace zlt::note
