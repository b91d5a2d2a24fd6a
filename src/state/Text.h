// Small text helpers shared by start-up, the controller and the note windows.
#pragma once

#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Blanks.h"

namespace zlt {

// The text before the first NUL, or all of it.
std::string_view TrimNull(std::string_view text);

// Removes leading and trailing blanks (spaces and tabs).
using platform::TrimBlanks;

// Removes only the space character at both ends, as the note's emptiness
// tests do: a text of line breaks is not empty.
std::string_view TrimSpaces(std::string_view text);

// The second start's clean-up of a command line: every double quote becomes one
// space between the trimmed parts around it, then the whole is trimmed.
std::string StripQuotes(std::string_view commandLine);

// The first n characters (UTF-8 code points) of text.
std::string_view FirstCharacters(std::string_view text, int n);

// The decimal number after the first "No." of a note caption; nullopt if none.
std::optional<int> NoteNumberFromCaption(std::string_view caption);

}  // namespace zlt

namespace zlt {

// The first or last n characters (UTF-8 code points): a count beyond the text
// gives the whole text, so a short or damaged date never cuts mid-character.
std::string_view LeftChars(std::string_view text, int n);
std::string_view RightChars(std::string_view text, int n);

// What a number in a text may be written with besides its digits. Blanks
// around it, one sign and leading zeros ("09" is 9) are always allowed.
enum class NumberSyntax {
  kWhole,    // nothing more, and at most nine digits, which every long holds
  kDecimal,  // also a fraction and an exponent ("2.5", ".5", "1e2"), but never
             // "inf", "nan" or hexadecimal
};

// The number a text holds, read at the precision of Real (float or double);
// nullopt when the text is no number of that syntax or Real cannot hold it.
template <typename Real>
std::optional<Real> ParseNumber(std::string_view text, NumberSyntax syntax);

// The number a text holds as a whole number: a fraction or an exponent, where
// the syntax takes them, is read at Real's precision and rounded to the
// nearest whole number, halves to even ("2.5" is 2, "3.5" is 4). nullopt when
// the text is no number or Integer cannot hold it.
template <typename Integer, typename Real = double>
std::optional<Integer> ParseWholeNumber(std::string_view text, NumberSyntax syntax) {
  const auto number = ParseNumber<Real>(text, syntax);
  if (!number) return std::nullopt;
  // std::nearbyint rounds halves to even in the default rounding mode, which
  // nothing in this program changes.
  const double rounded = std::nearbyint(static_cast<double>(*number));
  // Integer's highest value plus one is minus its lowest, a power of two that
  // a double holds exactly.
  const double lowest = static_cast<double>(std::numeric_limits<Integer>::min());
  if (!(rounded >= lowest && rounded < -lowest)) return std::nullopt;
  return static_cast<Integer>(rounded);
}

// Appends value in decimal with leading zeros to width characters, the sign
// counted, as "%0*ld" writes it ("09", "2026", "-05"). Stamps and dates are
// written this way many times a second with many notes.
void AppendZeroPadded(std::string& out, long value, int width);

}  // namespace zlt
