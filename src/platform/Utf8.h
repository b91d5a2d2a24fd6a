// UTF-8 encoding and decoding of single characters, shared by the code page
// and profile-file code.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zlt::platform {

void AppendUtf8(std::string& out, char32_t c);

// Length of the valid UTF-8 sequence at text[at] with its character in c, or 0
// when it is not one (overlong forms, surrogates and values above U+10FFFF
// are not).
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at, char32_t& c);

}  // namespace zlt::platform
