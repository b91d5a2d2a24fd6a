// One table of code page 932 conversions that every build must give alike:
// the iconv build checks it in the unit tests, the Windows build in
// tests/windows/windows_checks.exe under Wine or on Windows.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zlt::test {

// kBoth: bytes decode to text and text encodes to bytes; kDecode: bytes decode to text only (a
// duplicate code, say); kEncode: text encodes to bytes only (a character 932 lacks, say).
enum class Cp932Direction { kBoth, kDecode, kEncode };

struct Cp932Vector {
  std::string_view name;
  std::string_view bytes;  // code page 932
  std::string_view text;   // UTF-8
  Cp932Direction direction;
};

std::span<const Cp932Vector> Cp932Vectors();

// nullopt when the vector holds; otherwise what went wrong, on one line.
std::optional<std::string> CheckCp932Vector(const Cp932Vector& vector);

}  // namespace zlt::test
