#include "profile/IniProfile.h"

#include <algorithm>
#include <utility>

#include "platform/Blanks.h"
#include "platform/Cp932.h"
#include "platform/Cp932Backend.h"
#include "platform/Utf8.h"

namespace zlt::profile {
namespace {

using platform::TrimBlanks;

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

std::string_view StripOuterQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// ---- UTF-16 files -------------------------------------------------------

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one UTF-8 character at text[at]; advances at. Invalid bytes give
// nullopt and advance by one.
std::optional<char32_t> NextUtf8(std::string_view text, std::size_t& at) {
  char32_t c = 0;
  const std::size_t length = platform::Utf8SequenceLength(text, at, c);
  if (length == 0) {
    ++at;
    return std::nullopt;
  }
  at += length;
  return c;
}

// Unpaired surrogates and an odd final byte become U+FFFD.
std::string Utf16LeToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  const auto unit = [&](std::size_t i) {
    return static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                 (static_cast<unsigned char>(bytes[i + 1]) << 8));
  };
  std::size_t at = 0;
  while (at + 1 < bytes.size()) {
    const char16_t first = unit(at);
    at += 2;
    if (first >= 0xD800 && first <= 0xDBFF && at + 1 < bytes.size()) {
      const char16_t second = unit(at);
      if (second >= 0xDC00 && second <= 0xDFFF) {
        at += 2;
        platform::AppendUtf8(out, 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00));
        continue;
      }
    }
    platform::AppendUtf8(out, (first >= 0xD800 && first <= 0xDFFF) ? kReplacement : first);
  }
  if (at < bytes.size()) platform::AppendUtf8(out, kReplacement);
  return out;
}

std::string Utf8ToUtf16Le(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 2);
  const auto put = [&](char32_t u) {
    out += static_cast<char>(u & 0xFF);
    out += static_cast<char>((u >> 8) & 0xFF);
  };
  std::size_t at = 0;
  while (at < text.size()) {
    const char32_t c = NextUtf8(text, at).value_or(kReplacement);
    if (c >= 0x10000) {
      put(0xD800 + ((c - 0x10000) >> 10));
      put(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      put(c);
    }
  }
  return out;
}

// Invalid UTF-8 from a caller becomes "?", so the UTF-8 held for a UTF-16
// file stays valid.
std::string SanitizedUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t start = at;
    if (NextUtf8(text, at)) {
      out += text.substr(start, at - start);
    } else {
      out += '?';
    }
  }
  return out;
}

// ---- Lines --------------------------------------------------------------

struct Line {
  std::size_t begin = 0;
  std::size_t end = 0;   // before the line break
  std::size_t next = 0;  // after the line break
};

// CR and LF are below every trail byte, so lines split the same in any text.
Line LineAt(std::string_view text, std::size_t begin) {
  // The first LF, then a CR before it: two quick searches instead of looking
  // at every byte twice.
  const std::string_view rest = text.substr(begin);
  std::size_t end = rest.find('\n');
  const std::size_t cr = rest.substr(0, end).find('\r');
  if (cr != std::string_view::npos) end = cr;
  Line line{begin, end == std::string_view::npos ? text.size() : begin + end, 0};
  line.next = line.end;
  if (line.next < text.size()) {
    line.next +=
        (text[line.next] == '\r' && line.next + 1 < text.size() && text[line.next + 1] == '\n') ? 2
                                                                                                : 1;
  }
  return line;
}

}  // namespace

// What one pass over the file found out about a section and one key in it.
struct IniText::SectionScan {
  bool sectionFound = false;
  bool keyFound = false;
  Line keyLine;
  std::string_view fileKey;  // the key's spelling in the file
  std::string_view value;    // trimmed, quotes not yet stripped
  std::size_t insertAt = 0;  // after the section's last key line (or its header)
  bool insertNeedsBreak = false;
  std::optional<std::size_t> multiLineBegin;  // the line that begins with the multi-line key
};

namespace {

enum class LineKind { kBlank, kComment, kSection, kKey, kOther };

struct ParsedLine {
  LineKind kind = LineKind::kBlank;
  std::string_view name;   // section or key name, trimmed
  std::string_view value;  // trimmed
};

// byteWise: the text is UTF-8, where no byte of a longer character can be
// taken for ASCII; otherwise 932 character candidates are stepped over whole.
std::size_t Find(std::string_view text, char wanted, bool byteWise) {
  std::size_t at = 0;
  while (at < text.size()) {
    if (text[at] == wanted) return at;
    at += byteWise ? 1 : platform::cp932::CandidateLength(text, at);
  }
  return std::string_view::npos;
}

ParsedLine ParseLine(std::string_view content, bool byteWise) {
  const std::string_view trimmed = TrimBlanks(content);
  if (trimmed.empty()) return {};
  if (trimmed.front() == ';') return {LineKind::kComment, {}, {}};
  if (trimmed.front() == '[') {
    const std::string_view inside = trimmed.substr(1);
    const std::size_t close = Find(inside, ']', byteWise);
    // Without a closing bracket it is no header, just a line with no key.
    if (close == std::string_view::npos) return {LineKind::kOther, {}, {}};
    return {LineKind::kSection, TrimBlanks(inside.substr(0, close)), {}};
  }
  // '=' is below every lead and trail byte, so the first one in the bytes is
  // the first character '=' whatever the encoding.
  const std::size_t equals = trimmed.find('=');
  if (equals == std::string_view::npos) return {LineKind::kOther, {}, {}};
  return {LineKind::kKey, TrimBlanks(trimmed.substr(0, equals)),
          TrimBlanks(trimmed.substr(equals + 1))};
}

// ASCII letters fold; the bytes of a double-byte character must match exactly
// (a trail byte can look like a letter).
bool NamesMatch(std::string_view a, std::string_view b, bool byteWise) {
  if (a.size() != b.size()) return false;
  if (a == b) return true;  // spelled alike, the usual case
  std::size_t at = 0;
  while (at < a.size()) {
    const std::size_t length = byteWise ? 1 : platform::cp932::CandidateLength(a, at);
    if (length == 1) {
      if (FoldAscii(a[at]) != FoldAscii(b[at])) return false;
    } else if (a.substr(at, length) != b.substr(at, length)) {
      return false;
    }
    at += length;
  }
  return true;
}

// Whether two names can match at all, from their ends alone: a cheap test
// that spares NamesMatch most keys of a file. Bytes that differ once folded
// differ raw too, so a double-byte end is no exception.
bool EndsCanMatch(std::string_view a, std::string_view b) {
  return a.size() == b.size() && !a.empty() && FoldAscii(a.front()) == FoldAscii(b.front()) &&
         FoldAscii(a.back()) == FoldAscii(b.back());
}

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Hands the first section named section (as stored) to visit, line by line,
// its header first: visit(line, content, parsed) returns false to stop. Only
// the first matching section counts; the next header ends it.
template <typename Visit>
void WalkFirstSection(std::string_view text, std::string_view section, bool byteWise,
                      Visit&& visit) {
  bool inSection = false;
  std::size_t at = 0;
  while (at < text.size()) {
    const Line line = LineAt(text, at);
    at = line.next;
    const std::string_view content = text.substr(line.begin, line.end - line.begin);
    const ParsedLine parsed = ParseLine(content, byteWise);
    if (parsed.kind == LineKind::kSection) {
      if (inSection) return;
      inSection = NamesMatch(parsed.name, section, byteWise);
    }
    if (inSection && !visit(line, content, parsed)) return;
  }
}

}  // namespace

bool StoredAsUtf16(bool staysUtf16, std::initializer_list<std::string_view> texts) {
  return staysUtf16 || !std::all_of(texts.begin(), texts.end(), platform::Cp932Holds);
}

IniText IniText::Parse(std::string bytes, std::string_view multiLineKey) {
  if (bytes.starts_with(kUtf16LeMark)) {
    return IniText(Utf16LeToUtf8(std::string_view(bytes).substr(kUtf16LeMark.size())),
                   Encoding::kUtf16Le, multiLineKey);
  }
  return IniText(std::move(bytes), Encoding::kCp932, multiLineKey);
}

std::string Utf16LeFileBytes(std::string_view utf8) {
  std::string bytes(kUtf16LeMark);
  bytes += Utf8ToUtf16Le(utf8);
  return bytes;
}

std::string IniText::Bytes() const {
  return encoding_ == Encoding::kUtf16Le ? Utf16LeFileBytes(text_) : text_;
}

std::string IniText::ToUtf8(std::string_view stored) const {
  if (encoding_ == Encoding::kUtf16Le) return std::string(stored);
  return platform::Cp932ToUtf8(stored);
}

std::string IniText::FromUtf8(std::string_view utf8) const {
  if (encoding_ == Encoding::kUtf16Le) return SanitizedUtf8(utf8);
  return platform::Utf8ToCp932(utf8);
}

std::string IniText::MultiLinePrefix() const {
  if (multiLineKey_.empty()) return {};
  return (IsAscii(multiLineKey_) ? multiLineKey_ : FromUtf8(multiLineKey_)) + "=";
}

IniText::SectionScan IniText::Scan(std::string_view section, std::string_view key) const {
  const bool byteWise = encoding_ == Encoding::kUtf16Le;
  const std::string prefix = MultiLinePrefix();
  SectionScan scan;
  WalkFirstSection(text_, section, byteWise,
                   [&](const Line& line, std::string_view content, const ParsedLine& parsed) {
                     if (parsed.kind == LineKind::kSection) {
                       scan.sectionFound = true;
                       scan.insertAt = line.next;
                       scan.insertNeedsBreak = line.next == line.end;
                       return true;
                     }
                     if (parsed.kind != LineKind::kKey && parsed.kind != LineKind::kOther) {
                       return true;
                     }
                     if (parsed.kind == LineKind::kKey && !key.empty() &&
                         NamesMatch(parsed.name, key, byteWise)) {
                       scan.keyFound = true;
                       scan.keyLine = line;
                       scan.fileKey = parsed.name;
                       scan.value = parsed.value;
                     }
                     if (!prefix.empty() && content.starts_with(prefix)) {
                       scan.multiLineBegin = line.begin;
                       return false;  // the rest of the file is the multi-line value
                     }
                     if (scan.keyFound) return false;
                     scan.insertAt = line.next;
                     scan.insertNeedsBreak = line.next == line.end;
                     return true;
                   });
  return scan;
}

IniName::IniName(std::string_view utf8) : utf8_(utf8), cp932_(platform::Utf8ToCp932(utf8)) {}

std::optional<std::string> IniText::Get(std::string_view section, std::string_view key) const {
  return std::move(Read(IniName(section), std::span(&key, 1)).values.front());
}

IniText::SectionValues IniText::Read(const IniName& section,
                                     std::span<const std::string_view> keys) const {
  const bool byteWise = encoding_ == Encoding::kUtf16Le;
  const std::string_view text = text_;
  const std::string utf16Section = byteWise ? FromUtf8(section.Utf8()) : std::string();
  const std::string_view storedSection = byteWise ? utf16Section : section.Cp932();
  // ASCII names are stored as they are in either encoding; only others are
  // converted (into converted, which never moves once reserved).
  std::span<const std::string_view> storedKeys = keys;
  std::vector<std::string> converted;
  std::vector<std::string_view> convertedKeys;
  if (!std::all_of(keys.begin(), keys.end(), IsAscii)) {
    converted.reserve(keys.size());
    for (const std::string_view key : keys) {
      convertedKeys.push_back(IsAscii(key) ? key : converted.emplace_back(FromUtf8(key)));
    }
    storedKeys = convertedKeys;
  }
  SectionValues read;
  read.values.resize(keys.size());

  // The line that begins with the multi-line key ends the keys.
  const std::string prefix = MultiLinePrefix();
  WalkFirstSection(text, storedSection, byteWise,
                   [&](const Line& line, std::string_view content, const ParsedLine& parsed) {
                     if (parsed.kind == LineKind::kKey) {
                       for (std::size_t i = 0; i < storedKeys.size(); ++i) {
                         // The first line of a key wins; an empty name is never a key.
                         if (read.values[i] || !EndsCanMatch(parsed.name, storedKeys[i]) ||
                             !NamesMatch(parsed.name, storedKeys[i], byteWise)) {
                           continue;
                         }
                         read.values[i] = ToUtf8(StripOuterQuotes(parsed.value));
                       }
                     }
                     if (prefix.empty() || !content.starts_with(prefix)) return true;
                     std::string_view rest = text.substr(line.begin + prefix.size());
                     if (rest.ends_with(kLineBreak)) rest.remove_suffix(kLineBreak.size());
                     read.multiLine = ToUtf8(rest);
                     return false;  // the rest of the file is the multi-line value
                   });
  return read;
}

void IniText::Set(std::string_view section, std::string_view key, std::string_view value) {
  if (key.empty()) return;
  // A text 932 cannot hold turns the whole file UTF-16 rather than become "?".
  if (StoredAsUtf16(Utf16(), {section, key, value}) && !Utf16()) {
    text_ = platform::Cp932ToUtf8(text_);
    encoding_ = Encoding::kUtf16Le;
  }
  const std::string storedSection = FromUtf8(section);
  const std::string storedKey = FromUtf8(key);
  const std::string storedValue = FromUtf8(value);
  const SectionScan scan = Scan(storedSection, storedKey);
  if (scan.keyFound) {
    std::string replacement(scan.fileKey);
    replacement.append("=").append(storedValue);
    text_.replace(scan.keyLine.begin, scan.keyLine.end - scan.keyLine.begin, replacement);
    return;
  }
  std::string keyLine = storedKey;
  keyLine.append("=").append(storedValue).append(kLineBreak);
  if (scan.sectionFound) {
    if (scan.multiLineBegin) {
      text_.insert(*scan.multiLineBegin, keyLine);
    } else if (scan.insertNeedsBreak) {
      keyLine.insert(0, kLineBreak);
      text_.insert(scan.insertAt, keyLine);
    } else {
      text_.insert(scan.insertAt, keyLine);
    }
    return;
  }
  if (!text_.empty() && text_.back() != '\r' && text_.back() != '\n') text_ += kLineBreak;
  text_.append("[").append(storedSection).append("]").append(kLineBreak).append(keyLine);
}

std::optional<std::string> IniText::MultiLineValue(std::string_view section) const {
  return Read(IniName(section), {}).multiLine;
}

std::string ReadProfileString(const platform::IFileSystem& files, std::string_view path,
                              std::string_view section, std::string_view key,
                              std::string_view fallback) {
  auto bytes = files.ReadAll(path);
  if (!bytes) return std::string(fallback);
  return IniText::Parse(std::move(*bytes)).Get(section, key).value_or(std::string(fallback));
}

KeyWritten WriteProfileString(platform::IFileSystem& files, std::string_view path,
                              std::string_view section, std::string_view key,
                              std::string_view value, std::string_view multiLineKey) {
  auto bytes = files.ReadAll(path);
  if (!bytes && files.FileExists(path)) return {};
  IniText text = IniText::Parse(bytes ? std::move(*bytes) : std::string(), multiLineKey);
  text.Set(section, key, value);
  if (!files.ReplaceAtomically(path, text.Bytes())) return {};
  return {true, text.Utf16()};
}

}  // namespace zlt::profile
