// The program's own private-profile reader and writer. Files hold code page
// 932 bytes; callers pass and receive UTF-8.
//
// Reading: section and key names match without regard to ASCII letter case;
// the first matching key wins and of duplicate sections only the first is
// searched; blanks around names and values are dropped and one outer pair of
// matching quotes is stripped; ';' starts a comment line; CR, LF and CR LF
// each end a line; lines before the first section are ignored. Values are
// never cut short.
//
// Writing: an existing key keeps its place and spelling and gets the new
// value; a new key follows the last key line of its section; a missing
// section is appended at the end of the file; lines are "key=value" CR LF and
// the value is written verbatim, line breaks included.
//
// A file may end with a multi-line value under a key its reader names (none
// unless named): a line that begins with "key=" holds its first line and every
// line after it belongs to it. In a section with such a line, that line ends
// the section's keys: a new key is inserted before it, and lines of the value
// that look like "x=1" are never taken for keys, so writing a key never lands
// inside the value or swallows one of its lines.
//
// A file starting with a UTF-16LE byte-order mark is read as UTF-16, as
// Windows does, and written back as UTF-16LE with the mark, so such a file
// keeps every character. A code page 932 file given a text 932 cannot hold
// becomes such a file rather than store "?" (StoredAsUtf16 decides). A UTF-8
// mark is not recognised: its bytes stay part of the first line, as on
// Windows.
#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/System.h"

namespace zlt::profile {

// Whether a profile file is stored as UTF-16LE with its mark rather than in
// code page 932: it is UTF-16 and stays so, or 932 cannot hold one of the
// texts it is to hold. Every write, of one key or of a whole file, asks here.
bool StoredAsUtf16(bool staysUtf16, std::initializer_list<std::string_view> texts);

// A section name with its code page 932 form worked out once: a name looked
// up in many files is converted once rather than once per file.
class IniName {
 public:
  explicit IniName(std::string_view utf8);
  std::string_view Utf8() const { return utf8_; }
  std::string_view Cp932() const { return cp932_; }

 private:
  std::string utf8_;
  std::string cp932_;
};

// Parsed file, kept as its bytes so writing keeps everything else byte for byte.
class IniText {
 public:
  // multiLineKey names the key whose value runs from its line to the end of
  // the file; empty, no key does.
  static IniText Parse(std::string bytes, std::string_view multiLineKey = {});

  std::optional<std::string> Get(std::string_view section, std::string_view key) const;
  void Set(std::string_view section, std::string_view key, std::string_view value);
  std::string Bytes() const;
  bool Utf16() const { return encoding_ == Encoding::kUtf16Le; }

  // Everything after "key=" (the multi-line key) on the first line of the
  // section that begins with it, to the end of the file, less exactly one
  // closing CR LF (the one the writer puts after the value); nullopt without
  // such a line or multi-line key.
  std::optional<std::string> MultiLineValue(std::string_view section) const;

  // Several keys of one section and its multi-line value in one pass over the
  // text: values[i] is what Get(section, keys[i]) gives, multiLine what
  // MultiLineValue(section) gives.
  struct SectionValues {
    std::vector<std::optional<std::string>> values;
    std::optional<std::string> multiLine;
  };
  SectionValues Read(const IniName& section, std::span<const std::string_view> keys) const;

 private:
  enum class Encoding { kCp932, kUtf16Le };
  struct SectionScan;

  IniText(std::string text, Encoding encoding, std::string_view multiLineKey)
      : text_(std::move(text)), encoding_(encoding), multiLineKey_(multiLineKey) {}

  std::string ToUtf8(std::string_view stored) const;
  std::string FromUtf8(std::string_view utf8) const;
  SectionScan Scan(std::string_view section, std::string_view key) const;
  // "key=" of the multi-line key as the text stores it; empty without one.
  std::string MultiLinePrefix() const;

  std::string text_;  // code page 932 bytes, or UTF-8 for a UTF-16 file
  Encoding encoding_;
  std::string multiLineKey_;  // UTF-8
};

// One read of the file; fallback for a missing file, section or key.
std::string ReadProfileString(const platform::IFileSystem& files, std::string_view path,
                              std::string_view section, std::string_view key,
                              std::string_view fallback);

// UTF-16LE with its byte-order mark, as a UTF-16 profile file holds text.
std::string Utf16LeFileBytes(std::string_view utf8);

// What a single-key write did.
struct KeyWritten {
  bool written = false;
  bool utf16 = false;  // written, and the file is UTF-16 (it was, or the value made it so)
  explicit operator bool() const { return written; }
};

// One read, one atomic replace; multiLineKey as for IniText::Parse. Not
// written when the file exists but cannot be read (it is left alone rather
// than replaced by a single key) or cannot be written.
KeyWritten WriteProfileString(platform::IFileSystem& files, std::string_view path,
                              std::string_view section, std::string_view key,
                              std::string_view value, std::string_view multiLineKey = {});

}  // namespace zlt::profile
