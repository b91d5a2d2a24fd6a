#include "cp932_vectors.h"

#include <cstdio>

#include "platform/Cp932.h"

namespace zlt::test {
namespace {

using enum Cp932Direction;
using namespace std::string_view_literals;  // embedded NULs need the length

// Stand-ins for invalid bytes are U+F700 + byte: U+F780 is "\xEF\x9E\x80".
constexpr Cp932Vector kVectors[] = {
    {"empty", "", "", kBoth},
    {"ascii with backslash and tilde", "a\\b~c", "a\\b~c", kBoth},
    {"embedded NUL", "a\0b"sv, "a\0b"sv, kBoth},
    {"CR LF", "\r\n", "\r\n", kBoth},
    {"note title", "\x94\x83\x82\xa2\x95\xa8", "買い物", kBoth},
    {"wave dash 0x8160 is U+FF5E", "\x81\x60", "～", kBoth},
    {"fullwidth reverse solidus 0x815F", "\x81\x5f", "＼", kBoth},
    {"parallel to 0x8161 is U+2225", "\x81\x61", "∥", kBoth},
    {"fullwidth hyphen-minus 0x817C", "\x81\x7c", "－", kBoth},
    {"fullwidth cent 0x8191", "\x81\x91", "￠", kBoth},
    {"fullwidth pound 0x8192", "\x81\x92", "￡", kBoth},
    {"fullwidth not 0x81CA", "\x81\xca", "￢", kBoth},
    {"horizontal bar 0x815C", "\x81\x5c", "―", kBoth},
    {"so 0x835C trail backslash", "\x83\x5c", "ソ", kBoth},
    {"hyou 0x955C trail backslash", "\x95\x5c", "表", kBoth},
    {"nou 0x945C trail backslash", "\x94\x5c", "能", kBoth},
    {"ze 0x835B trail bracket", "\x83\x5b", "ゼ", kBoth},
    {"zo 0x835D trail bracket", "\x83\x5d", "ゾ", kBoth},
    {"long vowel 0x815B", "\x81\x5b", "ー", kBoth},
    {"NEC row 13 circled one 0x8740", "\x87\x40", "①", kBoth},
    {"NEC row 13 roman one 0x8754", "\x87\x54", "Ⅰ", kBoth},
    {"NEC row 13 duplicate 0x8790", "\x87\x90", "≒", kDecode},
    {"nearly equal encodes to 0x81E0", "\x81\xe0", "≒", kBoth},
    {"because encodes to 0x81E6", "\x81\xe6", "∵", kBoth},
    {"IBM small roman one 0xFA40", "\xfa\x40", "ⅰ", kBoth},
    {"IBM roman one 0xFA4A decodes", "\xfa\x4a", "Ⅰ", kDecode},
    {"NEC-selected small roman one 0xEEEF", "\xee\xef", "ⅰ", kDecode},
    {"IBM kanji 0xFA5C", "\xfa\x5c", "纊", kBoth},
    {"NEC-selected IBM kanji 0xED40", "\xed\x40", "纊", kDecode},
    {"IBM broken bar 0xFA55", "\xfa\x55", "￤", kBoth},
    {"NEC-selected not 0xEEF9", "\xee\xf9", "￢", kDecode},
    {"IBM not 0xFA54", "\xfa\x54", "￢", kDecode},
    {"last IBM kanji 0xFC4B", "\xfc\x4b", "黑", kBoth},
    {"half-width katakana", "\xb1\xdd\xa1\xdf", "ｱﾝ｡ﾟ", kBoth},
    {"user-defined 0xF040 is U+E000", "\xf0\x40", "\xee\x80\x80", kBoth},
    {"user-defined 0xF9FC is U+E757", "\xf9\xfc", "\xee\x9d\x97", kBoth},
    {"0x80 stands in", "\x80", "\xef\x9e\x80", kBoth},
    {"0xA0 stands in", "\xa0", "\xef\x9e\xa0", kBoth},
    {"0xFD 0xFE 0xFF stand in", "\xfd\xfe\xff", "\xef\x9f\xbd\xef\x9f\xbe\xef\x9f\xbf", kBoth},
    {"lone lead byte at end", "a\x81", "a\xef\x9e\x81", kBoth},
    {"lead byte before CR LF", "\x82\r\n", "\xef\x9e\x82\r\n", kBoth},
    {"lead byte before a non-trail byte", "\x81\x20x", "\xef\x9e\x81 x", kBoth},
    {"unassigned pair 0x8540", "\x85\x40", "\xef\x9e\x85@", kBoth},
    {"unassigned pair 0xEB40 then text", "\xeb\x40\x83\x5c", "\xef\x9f\xab@ソ", kBoth},
    {"unassigned cell 0x81AD", "\x81\xad", "\xef\x9e\x81\xef\xbd\xad", kBoth},
    {"invalid bytes among text", "\x83\x5c\xff\x95\x5c\x80", "ソ\xef\x9f\xbf表\xef\x9e\x80", kBoth},
    {"yen sign has no code", "?", "¥", kEncode},
    {"overline has no code", "?", "‾", kEncode},
    {"wave dash U+301C has no code", "?", "〜", kEncode},
    {"double vertical line U+2016 has no code", "?", "‖", kEncode},
    {"minus sign U+2212 has no code", "?", "−", kEncode},
    {"em dash U+2014 has no code", "?", "—", kEncode},
    {"cent sign U+00A2 has no code", "?", "¢", kEncode},
    {"pound sign U+00A3 has no code", "?", "£", kEncode},
    {"not sign U+00AC has no code", "?", "¬", kEncode},
    {"broken bar U+00A6 has no code", "?", "¦", kEncode},
    {"e acute has no code", "?", "é", kEncode},
    {"emoji has no code", "a?b", "a😀b", kEncode},
    {"best-fit substitutes between text", "\x83\x5c?\x95\x5c", "ソ¥表", kEncode},
    {"U+F8F0 is no stand-in", "?", "\xef\xa3\xb0", kEncode},
    {"U+F740 is no stand-in", "?", "\xef\x9d\x80", kEncode},
    {"invalid UTF-8 byte", "a?b", "a\377b", kEncode},
    {"truncated UTF-8 sequence", "??", "\xe3\x82", kEncode},
    {"UTF-8 surrogate", "???", "\xed\xa0\x80", kEncode},
    {"overlong UTF-8 slash", "??", "\xc0\xaf", kEncode},
};

std::string Hex(std::string_view bytes) {
  std::string hex = "[";
  for (const char c : bytes) {
    char cell[4];
    std::snprintf(cell, sizeof cell, "%02X ", static_cast<unsigned char>(c));
    hex += cell;
  }
  if (!bytes.empty()) hex.pop_back();
  return hex += ']';
}

}  // namespace

std::span<const Cp932Vector> Cp932Vectors() { return kVectors; }

std::optional<std::string> CheckCp932Vector(const Cp932Vector& vector) {
  std::string problems;
  if (vector.direction != kEncode) {
    const std::string text = platform::Cp932ToUtf8(vector.bytes);
    if (text != vector.text) {
      problems += " decode " + Hex(vector.bytes) + " gave " + Hex(text) + ", want " +
                  Hex(vector.text) + ";";
    }
  }
  if (vector.direction != kDecode) {
    const std::string bytes = platform::Utf8ToCp932(vector.text);
    if (bytes != vector.bytes) {
      problems += " encode " + Hex(vector.text) + " gave " + Hex(bytes) + ", want " +
                  Hex(vector.bytes) + ";";
    }
  }
  if (problems.empty()) return std::nullopt;
  return std::string(vector.name) + ":" + problems;
}

}  // namespace zlt::test
