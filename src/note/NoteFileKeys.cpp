#include "note/NoteFileKeys.h"

#include "note/ValueText.h"
#include "platform/Blanks.h"

namespace zlt::note {
namespace {

using platform::IsBlank;

// The reader drops blanks around a value and one outer pair of quotes. A value
// that would lose something that way is stored inside quotes, which the reader
// takes off again.
std::string Protected(std::string_view value) {
  const bool blankEdge = !value.empty() && (IsBlank(value.front()) || IsBlank(value.back()));
  const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                      value.back() == value.front();
  std::string stored;
  stored.reserve(value.size() + 2);
  if (blankEdge || quoted) stored += '"';
  stored += value;
  if (blankEdge || quoted) stored += '"';
  return stored;
}

}  // namespace

std::string CheckBoxText(int value) { return std::to_string(value); }

std::string_view OptionText(bool on, NoteWrite write) {
  if (write == NoteWrite::kWhole) return on ? "1" : "0";
  return on ? "True" : "False";
}

std::string PositionText(double twips, NoteWrite write) {
  if (write == NoteWrite::kWhole) return SingleToText(static_cast<float>(twips));
  return std::to_string(static_cast<long long>(twips));
}

// A line break inside a one-line value would start a line of its own and
// could pass for a key.
std::string LineText(std::string_view text) { return Protected(OneLineTitle(text)); }

std::string OneLineTitle(std::string_view title) {
  std::string line;
  line.reserve(title.size());
  for (std::size_t at = 0; at < title.size(); ++at) {
    const char c = title[at];
    if (c == '\r' || c == '\n') {
      line += ' ';
      if (c == '\r' && at + 1 < title.size() && title[at + 1] == '\n') ++at;
    } else {
      line += c;
    }
  }
  return line;
}

}  // namespace zlt::note
