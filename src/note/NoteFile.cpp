#include "note/NoteFile.h"

#include <algorithm>
#include <unordered_set>

#include "note/IniProfile.h"
#include "note/ValueText.h"
#include "platform/Blanks.h"
#include "platform/Cp932.h"

namespace zlt::note {
namespace {

using platform::IsBlank;

constexpr std::string_view kLineBreak = "\r\n";
constexpr int kLastFileNumber = 32767;  // the file number is a 16-bit counter

// The reader drops blanks around a value and one outer pair of quotes. A value
// that would lose something that way is stored inside quotes, which the reader
// takes off again, so every one-line value reads back exactly as written.
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

// A line break inside a one-line value would start a line of its own and
// could pass for a key.
std::string OneLineValue(std::string_view value) { return Protected(OneLineTitle(value)); }

std::string ToLowerAscii(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
    return static_cast<char>((c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c);
  });
  return lower;
}

}  // namespace

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

std::optional<NoteFileValues> ReadNoteFile(const platform::IFileSystem& files,
                                           std::string_view path) {
  auto bytes = files.ReadAll(path);
  if (!bytes) return std::nullopt;
  const IniText text = IniText::Parse(std::move(*bytes));
  // One pass over the file for every key, in the order they are stored.
  enum Key { kAlarm, kAlarmMusic, kDate, kTime0, kTime1, kLeft, kTop, kTemae, kToumei, kTitle };
  static constexpr std::string_view kKeys[] = {"Alarm", "AlarmMusic", "Date",  "Time0",  "Time1",
                                               "Left",  "Top",        "Temae", "Toumei", "Title"};
  static const IniName kSectionName(kSection);
  IniText::SectionValues read = text.Read(kSectionName, kKeys);
  auto& got = read.values;

  // "Err" is the default that marks a note without an alarm key; a file that
  // says so itself is just as unusable.
  if (!got[kAlarm] || *got[kAlarm] == "Err") return std::nullopt;

  NoteFileValues values;
  values.alarm = TextToInt16(*got[kAlarm]).value_or(0);
  if (const auto& v = got[kAlarmMusic]) values.alarmMusic = TextToInt16(*v).value_or(0);
  if (auto& v = got[kDate]) values.date = std::move(*v);
  if (auto& v = got[kTime0]) values.time0 = std::move(*v);
  if (auto& v = got[kTime1]) values.time1 = std::move(*v);
  if (const auto& v = got[kLeft]) values.left = TextToTwips(*v).value_or(0);
  if (const auto& v = got[kTop]) values.top = TextToTwips(*v).value_or(0);
  if (const auto& v = got[kTemae]) values.temae = TextToTruth(*v).value_or(false);
  if (const auto& v = got[kToumei]) values.toumei = TextToTruth(*v).value_or(false);
  if (auto& v = got[kTitle]) values.title = std::move(*v);
  values.details = std::move(read.multiLine);
  values.utf16 = text.Utf16();
  return values;
}

bool StoredAsUtf16(const NoteFileContent& content) {
  using platform::Cp932Holds;
  return content.utf16 || !Cp932Holds(content.title) || !Cp932Holds(content.details) ||
         !Cp932Holds(content.date) || !Cp932Holds(content.time0) || !Cp932Holds(content.time1);
}

std::string NoteFileBytes(const NoteFileContent& content) {
  std::string text;
  text.reserve(content.title.size() + content.details.size() + 200);
  const auto line = [&](std::string_view key, std::string_view value) {
    text.append(key).append("=").append(value).append(kLineBreak);
  };
  text.append("[").append(kSection).append("]").append(kLineBreak);
  line("Alarm", std::to_string(content.alarm));
  line("AlarmMusic", std::to_string(content.alarmMusic));
  line("Date", OneLineValue(content.date));
  line("Time0", OneLineValue(content.time0));
  line("Time1", OneLineValue(content.time1));
  line("Left", SingleToText(content.left));
  line("Top", SingleToText(content.top));
  line("Temae", std::to_string(content.temae));
  line("Toumei", std::to_string(content.toumei));
  line("Title", OneLineValue(content.title));
  line(kMultiLineKey, content.details);  // verbatim, and always last
  return StoredAsUtf16(content) ? Utf16LeFileBytes(text) : platform::Utf8ToCp932(text);
}

platform::WriteResult WriteNoteFile(platform::IFileSystem& files, std::string_view path,
                                    const NoteFileContent& content) {
  if (path.empty()) return platform::WriteResult::Failed("no file name");
  return files.ReplaceAtomically(path, NoteFileBytes(content));
}

std::optional<std::string> NewNoteFilePath(const platform::IFileSystem& files,
                                           std::string_view folderWithBackslash) {
  // One listing instead of up to 32768 existence checks; each candidate is
  // still checked itself, in case the listing missed a name.
  std::string_view folder = folderWithBackslash;
  if (folder.ends_with('\\') && folder.size() > 1 && !folder.ends_with(":\\")) {
    folder.remove_suffix(1);
  }
  std::unordered_set<std::string> taken;
  for (const std::string& name : files.ListFiles(folder)) taken.insert(ToLowerAscii(name));

  for (int n = 0; n <= kLastFileNumber; ++n) {
    const std::string name = std::to_string(n) + ".txt";
    if (taken.contains(name)) continue;
    std::string path = std::string(folderWithBackslash) + name;
    if (!files.FileExists(path)) return path;
  }
  return std::nullopt;
}

bool WriteNoteKey(platform::IFileSystem& files, std::string_view path, std::string_view key,
                  std::string_view value) {
  if (path.empty()) return false;
  return WriteProfileString(files, path, kSection, key, OneLineValue(value));
}

}  // namespace zlt::note
