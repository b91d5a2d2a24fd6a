// Conversions and parsing for the probe's command line and output.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zlt::probe {

std::string ToUtf8(std::wstring_view text);
// Code page 932 bytes, whatever the system's code page is; nullopt when a
// character has no 932 form.
std::optional<std::string> ToCp932(std::wstring_view text);

// "2F4E00", "2f 4e 00" or "2f:4e:00"; nullopt on an odd digit count or junk.
std::optional<std::string> ParseHexBytes(std::wstring_view text);
// Decimal, or hexadecimal after "0x"; nullopt on junk or overflow.
std::optional<long long> ParseInteger(std::wstring_view text);

// Tabs and line breaks inside a field would break the line format.
std::wstring EscapeField(std::wstring_view text);

std::wstring Hex(unsigned long long value);

}  // namespace zlt::probe
