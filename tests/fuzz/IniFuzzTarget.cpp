// libFuzzer target: any bytes as a profile file and as a note file. Besides
// not crashing, it checks the promises the rest of the program relies on.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "../unit/MemoryFileSystem.h"
#include "note/NoteFile.h"
#include "platform/Cp932.h"
#include "profile/IniProfile.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

void CheckProfile(const std::string& bytes, std::string_view multiLineKey) {
  using zlt::profile::IniText;
  const bool utf16 = bytes.starts_with("\xFF\xFE");
  IniText text = IniText::Parse(bytes, multiLineKey);
  if (!utf16) Require(text.Bytes() == bytes);  // parsing alone changes nothing
  (void)text.Get(zlt::note::kSection, "Alarm");
  (void)text.MultiLineValue(zlt::note::kSection);

  // A simple value written is the value read, wherever the key had to go.
  const std::string value = "v" + std::to_string(bytes.size());
  for (const std::string_view section : {std::string_view("s"), zlt::note::kSection}) {
    text.Set(section, "Key", value);
    Require(text.Get(section, "kEY") == value);
  }
  // ... and a second parse of the result agrees.
  const IniText again = IniText::Parse(text.Bytes(), multiLineKey);
  Require(again.Get("s", "key") == value);
}

// Duplicate codes come back as the preferred code, which can join a
// preceding invalid lead byte; with their rows' lead bytes moved elsewhere
// every byte must survive.
std::string WithoutDuplicateRows(std::string bytes) {
  for (char& c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b == 0x87 || b == 0xED || b == 0xEE || b == 0xFA) c = '\x88';
  }
  return bytes;
}

void CheckCodePage(const std::string& bytes) {
  (void)zlt::platform::Cp932ToUtf8(bytes);
  const std::string plain = WithoutDuplicateRows(bytes);
  Require(zlt::platform::Utf8ToCp932(zlt::platform::Cp932ToUtf8(plain)) == plain);
  (void)zlt::platform::Utf8ToCp932(bytes);  // the bytes as (mostly invalid) UTF-8
}

void CheckNoteFile(const std::string& bytes) {
  using namespace zlt::note;
  zlt::test::MemoryFileSystem files;
  files.files["0.txt"] = bytes;
  (void)ReadNoteFile(files, "0.txt");
  files.files["0.txt"] = WithoutDuplicateRows(bytes);
  const auto values = ReadNoteFile(files, "0.txt");
  if (!values || bytes.starts_with("\xFF\xFE")) return;  // UTF-16 text may not fit 932

  // What was read, written whole and read again, is the same.
  NoteFileContent content;
  content.alarm = values->alarm;
  content.alarmMusic = values->alarmMusic;
  content.date = values->date;
  content.time0 = values->time0;
  content.time1 = values->time1;
  content.inFront = values->inFront;
  content.translucent = values->translucent;
  content.title = values->title;
  content.details = values->details.value_or("");
  Require(WriteNoteFile(files, "1.txt", content).written);
  const auto back = ReadNoteFile(files, "1.txt");
  Require(back.has_value());
  Require(back->alarm == values->alarm && back->alarmMusic == values->alarmMusic);
  Require(back->inFront == values->inFront && back->translucent == values->translucent);
  Require(back->title == OneLineTitle(values->title));
  Require(back->date == OneLineTitle(values->date));
  Require(back->time0 == OneLineTitle(values->time0));
  Require(back->time1 == OneLineTitle(values->time1));
  Require(back->details == values->details.value_or(""));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  CheckProfile(bytes, {});  // as the settings file is read
  CheckProfile(bytes, zlt::note::KeyName(zlt::note::NoteKey::kDetails));
  CheckCodePage(bytes);
  CheckNoteFile(bytes);
  return 0;
}
