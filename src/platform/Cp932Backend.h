// The strict conversions each build supplies for code page 932, and the
// character boundaries both the converter and the profile parser rely on.
// The policy for bad input (private-use stand-ins, "?") lives in Cp932.cpp,
// so every build turns the same bytes into the same text.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zlt::platform::cp932 {

// 932 bytes to UTF-8; nullopt when any byte sequence is not a 932 character.
std::optional<std::string> DecodeStrict(std::string_view bytes);
// Valid UTF-8 to 932 bytes; nullopt when any character has no 932 code. The
// caller checks the result for best-fit substitutes.
std::optional<std::string> EncodeStrict(std::string_view utf8);

inline bool IsLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

inline bool IsTrailByte(unsigned char byte) {
  return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

// Length (1 or 2) of the character candidate starting at bytes[at]: a lead
// byte takes the next byte with it when that can be a trail byte. A trail
// byte may be 0x5B-0x5D, so "[", "\" and "]" are only found by stepping
// through candidates.
inline std::size_t CandidateLength(std::string_view bytes, std::size_t at) {
  if (at + 1 < bytes.size() && IsLeadByte(static_cast<unsigned char>(bytes[at])) &&
      IsTrailByte(static_cast<unsigned char>(bytes[at + 1]))) {
    return 2;
  }
  return 1;
}

}  // namespace zlt::platform::cp932
