// Small text helpers shared by start-up, the controller and the note windows.
#pragma once

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

// A whole number from text: blanks around it and leading zeros allowed
// ("09" is 9), an optional sign; nullopt when the text is not a number.
std::optional<long> ParseWholeNumber(std::string_view text);

// Appends value in decimal with leading zeros to width characters, the sign
// counted, as "%0*ld" writes it ("09", "2026", "-05"). Stamps and dates are
// written this way many times a second with many notes.
void AppendZeroPadded(std::string& out, long value, int width);

}  // namespace zlt
