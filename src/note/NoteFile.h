// The note file: one section of eleven keys (see NoteFileKeys.h), the last of
// which, "txtData", holds the details text over any number of lines. Files are
// code page 932 whatever the system's code page is, or UTF-16 where 932 cannot
// hold a note.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "note/NoteFileKeys.h"
#include "platform/System.h"
#include "profile/IniProfile.h"

namespace zlt::note {

inline constexpr std::string_view kSection = "ZLT付箋紙プラグイン";

// What a full write stores.
struct NoteFileContent {
  int alarm = 0, alarmMusic = 0;  // check box values
  std::string date = "0000/00/00", time0 = "00", time1 = "00";
  float left = 0, top = 0;  // twips; written as the shortest single-precision text
  bool inFront = false, translucent = false;
  std::string title, details;  // details verbatim, CR LF line breaks
  // Stored as UTF-16LE with a byte-order mark (the note's file is so), not
  // code page 932. A text 932 cannot hold is stored so anyway.
  bool utf16 = false;
};

// Whether content goes to its file as UTF-16: it asks to, or code page 932
// cannot hold one of its texts (profile::StoredAsUtf16 decides).
bool StoredAsUtf16(const NoteFileContent& content);

// What a read yields, after conversions and defaults.
struct NoteFileValues {
  std::int16_t alarm = 0, alarmMusic = 0;
  std::string date = "0000/00/00", time0 = "00", time1 = "00";
  std::int32_t left = 0, top = 0;
  bool inFront = false, translucent = false;
  std::string title;
  std::optional<std::string> details;  // nullopt: the file has no details line
  bool utf16 = false;                  // the file is UTF-16, not code page 932
};

// One read of the whole file. nullopt when the file is unusable: missing, no
// section, or no "Alarm" key (read as "Err", the marker of an unusable note).
std::optional<NoteFileValues> ReadNoteFile(const platform::IFileSystem& files,
                                           std::string_view path);

// The bytes of the whole file, in key order. A note that fits code page 932 is
// stored in it; otherwise (see StoredAsUtf16) as UTF-16LE with its mark.
std::string NoteFileBytes(const NoteFileContent& content);

// NoteFileBytes replacing the file atomically, so the file is never missing or
// half written.
platform::WriteResult WriteNoteFile(platform::IFileSystem& files, std::string_view path,
                                    const NoteFileContent& content);

// folder + n + ".txt" for the lowest n >= 0 that names no file; folder ends in
// a backslash. nullopt when 0..32767 are all taken: never overwrite a note.
std::optional<std::string> NewNoteFilePath(const platform::IFileSystem& files,
                                           std::string_view folderWithBackslash);

// One key of an existing note's file, text in the key's form for a key
// written alone (NoteWrite::kOneKey). Skipped (not written) when path is
// empty, as a note without a file never creates one, and for the details,
// which only a whole write stores. A value 932 cannot hold turns the file
// UTF-16, and the result says so: the note then stays UTF-16.
profile::KeyWritten WriteNoteKey(platform::IFileSystem& files, std::string_view path, NoteKey key,
                                 std::string_view text);

}  // namespace zlt::note
