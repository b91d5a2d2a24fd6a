// The probe's output: UTF-8 bytes on stdout whatever the console code page,
// one tab-separated line per record.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zlt::probe {

void PrintLine(std::wstring_view line);
void PrintFields(const std::vector<std::wstring>& fields);
// Diagnostics and usage go to stderr so scripts can keep stdout clean.
void PrintError(std::wstring_view line);

}  // namespace zlt::probe
