// Text to value and value to text, as the note file and the settings file
// store them. Every reader answers nullopt for text that does not convert, so
// the caller picks the key's default.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zlt::note {

// "True"/"False" in any letter case, or a number: 0 is false, any other true.
std::optional<bool> TextToTruth(std::string_view text);

// A decimal number (blanks around it, a sign, a fraction and an exponent are
// accepted) rounded to the nearest whole number, halves to even, and kept
// only when it fits a 16-bit integer. Out of range is nullopt.
std::optional<std::int16_t> TextToInt16(std::string_view text);

// A position in twips: the text read as a single-precision number, then
// rounded to the nearest whole number, halves to even ("9120.5" is 9120,
// "9121.5" is 9122). Out of the 32-bit range is nullopt.
std::optional<std::int32_t> TextToTwips(std::string_view text);

// The shortest decimal text that reads back as the same single-precision
// number, never with an exponent or grouping ("9120", "9120.5", "-15").
std::string SingleToText(float value);

}  // namespace zlt::note
