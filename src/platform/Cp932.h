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
//
// Where the system tables differ, the portable half decides, not the backend:
// - 0x80, 0xA0 and 0xFD-0xFF are always invalid (Windows' best-fit table would
//   give U+0080 and U+F8F0-U+F8F3; iconv refuses them).
// - A lead byte whose pair is refused becomes a stand-in and its second byte
//   is read again on its own, so every invalid byte has a stand-in in
//   U+F780-U+F7FF and decoding then encoding keeps the bytes. The exception:
//   duplicate codes (NEC row 13, rows 0xED-0xEE, the start of row 0xFA) come
//   back as Microsoft's preferred code, as both backends encode them.
// - An encoding counts only if it decodes back to the same text, which turns
//   one-way substitutes into "?" (iconv maps U+00A5 to 0x5C, U+203E to 0x7E,
//   U+301C to 0x8160, U+2016 to 0x8161, U+2212 to 0x817C, U+00A2/U+00A3/U+00AC
//   to 0x8191/0x8192/0x81CA; Windows with WC_NO_BEST_FIT_CHARS does not).
// - The user-defined area 0xF040-0xF9FC is U+E000-U+E757 on both.
#pragma once

#include <string>
#include <string_view>

namespace zlt::platform {

std::string Cp932ToUtf8(std::string_view bytes);
std::string Utf8ToCp932(std::string_view text);
// Whether code page 932 holds every character of text (no "?" on the way).
bool Cp932Holds(std::string_view text);

}  // namespace zlt::platform
