#include "note/NoteFile.h"

#include <algorithm>
#include <span>
#include <unordered_set>

#include "note/ValueText.h"
#include "platform/Cp932.h"

namespace zlt::note {
namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr int kLastFileNumber = 32767;  // the file number is a 16-bit counter
constexpr std::string_view kDetailsKey = KeyName(NoteKey::kDetails);

std::string ToLowerAscii(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
    return static_cast<char>((c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c);
  });
  return lower;
}

}  // namespace

std::optional<NoteFileValues> ReadNoteFile(const platform::IFileSystem& files,
                                           std::string_view path) {
  auto bytes = files.ReadAll(path);
  if (!bytes) return std::nullopt;
  const auto text = profile::IniText::Parse(std::move(*bytes), kDetailsKey);
  // One pass over the file for every key, in the order they are stored; the
  // details are the section's multi-line value.
  static const profile::IniName kSectionName(kSection);
  auto read = text.Read(kSectionName, std::span(kNoteKeyNames).first(KeyIndex(NoteKey::kDetails)));
  const auto got = [&](NoteKey key) -> std::optional<std::string>& {
    return read.values[KeyIndex(key)];
  };

  // "Err" is the default that marks a note without an alarm key; a file that
  // says so itself is just as unusable.
  const auto& alarm = got(NoteKey::kAlarm);
  if (!alarm || *alarm == "Err") return std::nullopt;

  NoteFileValues values;
  values.alarm = TextToInt16(*alarm).value_or(0);
  if (const auto& v = got(NoteKey::kAlarmMusic)) values.alarmMusic = TextToInt16(*v).value_or(0);
  if (auto& v = got(NoteKey::kDate)) values.date = std::move(*v);
  if (auto& v = got(NoteKey::kTime0)) values.time0 = std::move(*v);
  if (auto& v = got(NoteKey::kTime1)) values.time1 = std::move(*v);
  if (const auto& v = got(NoteKey::kLeft)) values.left = TextToTwips(*v).value_or(0);
  if (const auto& v = got(NoteKey::kTop)) values.top = TextToTwips(*v).value_or(0);
  if (const auto& v = got(NoteKey::kInFront)) values.inFront = TextToTruth(*v).value_or(false);
  if (const auto& v = got(NoteKey::kTranslucent)) {
    values.translucent = TextToTruth(*v).value_or(false);
  }
  if (auto& v = got(NoteKey::kTitle)) values.title = std::move(*v);
  values.details = std::move(read.multiLine);
  values.utf16 = text.Utf16();
  return values;
}

bool StoredAsUtf16(const NoteFileContent& content) {
  return profile::StoredAsUtf16(
      content.utf16, {content.title, content.details, content.date, content.time0, content.time1});
}

std::string NoteFileBytes(const NoteFileContent& content) {
  std::string text;
  text.reserve(content.title.size() + content.details.size() + 200);
  const auto line = [&](NoteKey key, std::string_view value) {
    text.append(KeyName(key)).append("=").append(value).append(kLineBreak);
  };
  constexpr NoteWrite kWhole = NoteWrite::kWhole;
  text.append("[").append(kSection).append("]").append(kLineBreak);
  line(NoteKey::kAlarm, CheckBoxText(content.alarm));
  line(NoteKey::kAlarmMusic, CheckBoxText(content.alarmMusic));
  line(NoteKey::kDate, LineText(content.date));
  line(NoteKey::kTime0, LineText(content.time0));
  line(NoteKey::kTime1, LineText(content.time1));
  line(NoteKey::kLeft, PositionText(content.left, kWhole));
  line(NoteKey::kTop, PositionText(content.top, kWhole));
  line(NoteKey::kInFront, OptionText(content.inFront, kWhole));
  line(NoteKey::kTranslucent, OptionText(content.translucent, kWhole));
  line(NoteKey::kTitle, LineText(content.title));
  line(NoteKey::kDetails, content.details);  // verbatim, and always last
  return StoredAsUtf16(content) ? profile::Utf16LeFileBytes(text) : platform::Utf8ToCp932(text);
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

profile::KeyWritten WriteNoteKey(platform::IFileSystem& files, std::string_view path, NoteKey key,
                                 std::string_view text) {
  if (path.empty() || key == NoteKey::kDetails) return {};
  return profile::WriteProfileString(files, path, kSection, KeyName(key), text, kDetailsKey);
}

}  // namespace zlt::note
