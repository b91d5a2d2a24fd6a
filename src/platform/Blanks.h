// Blanks as the profile files, the command line and the value conversions
// treat them: spaces and tabs.
#pragma once

#include <string_view>

namespace zlt::platform {

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t'; }

constexpr std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace zlt::platform
