// Code page 932 (Shift-JIS as Windows has it), whatever the system's own code
// page is. Files and the forwarded command use it; the program uses UTF-8.
//
// Policy, identical on every build:
// - Decoding never fails. A byte that does not start or complete a valid 932
//   character becomes the private-use character U+F700 + byte, so a damaged
//   file read and written again keeps its bytes.
// - Encoding turns those private-use characters back into their bytes. A
//   character 932 cannot hold becomes "?" (no best-fit substitutes).
// - Invalid UTF-8 in the program's text is encoded as "?" per bad byte.
#pragma once

#include <string>
#include <string_view>

namespace zlt::platform {

std::string Cp932ToUtf8(std::string_view bytes);
std::string Utf8ToCp932(std::string_view text);

}  // namespace zlt::platform
