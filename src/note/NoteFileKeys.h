// The note file's keys and the text each value is written as. A note file is
// written whole (a save, a close) or one key at a time into the file as it
// stands (a title typed, a note moved, a right press). A value takes the same
// form in both but for the display options, "1"/"0" in a whole write and
// "True"/"False" written alone, and the positions, which a whole write keeps
// at single precision; readers of note files expect each as it is.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace zlt::note {

// In the order a whole write stores them.
enum class NoteKey {
  kAlarm,
  kAlarmMusic,
  kDate,
  kTime0,
  kTime1,
  kLeft,
  kTop,
  kInFront,      // always in front
  kTranslucent,  // translucent
  kTitle,
  kDetails,  // from its line to the end of the file; never written alone
};

inline constexpr std::size_t kNoteKeyCount = 11;

// Every key's name in the file, in NoteKey order.
inline constexpr std::array<std::string_view, kNoteKeyCount> kNoteKeyNames = {
    "Alarm", "AlarmMusic", "Date",   "Time0", "Time1",  "Left",
    "Top",   "Temae",      "Toumei", "Title", "txtData"};

constexpr std::size_t KeyIndex(NoteKey key) { return static_cast<std::size_t>(key); }
constexpr std::string_view KeyName(NoteKey key) { return kNoteKeyNames[KeyIndex(key)]; }

enum class NoteWrite {
  kWhole,   // every key, in NoteKey order
  kOneKey,  // one key into the file as it stands
};

// Alarm, AlarmMusic: a check box's value.
std::string CheckBoxText(int value);

// Temae, Toumei.
std::string_view OptionText(bool on, NoteWrite write);

// Left, Top: the shortest text of the single-precision number in a whole
// write ("9120.5"); written alone, the whole twips of the window's place.
std::string PositionText(double twips, NoteWrite write);

// Date, Time0, Time1, Title: one line (see OneLineTitle), inside quotes where
// the reader would take blanks or quotes off its ends, so that it reads back
// exactly. (The details are written verbatim.)
std::string LineText(std::string_view text);

// A title is one line: CR, LF and CR LF each become a single space.
std::string OneLineTitle(std::string_view title);

}  // namespace zlt::note
