// The temporary of an atomic replace: "<target>.<process id>-<counter>.tmp"
// beside the target. The ".tmp" ending keeps it out of every "*.txt" listing;
// the process id tells what an ended process left from a save under way.
#pragma once

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

namespace zlt::platform {

inline std::string TemporaryFileName(std::string_view target, unsigned long processId,
                                     unsigned long counter) {
  std::string name(target);
  name.append(".").append(std::to_string(processId)).append("-");
  name.append(std::to_string(counter)).append(".tmp");
  return name;
}

// The process id in the name of such a temporary (a name, not a path), or
// nullopt when the name is not one.
inline std::optional<unsigned long> TemporaryFileOwner(std::string_view name) {
  constexpr std::string_view kEnding = ".tmp";
  if (!name.ends_with(kEnding)) return std::nullopt;
  name.remove_suffix(kEnding.size());
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos || dot == 0) return std::nullopt;
  const std::string_view tag = name.substr(dot + 1);
  const std::size_t dash = tag.find('-');
  if (dash == std::string_view::npos || dash == 0 || dash + 1 == tag.size()) return std::nullopt;
  unsigned long processId = 0;
  const auto [end, error] = std::from_chars(tag.data(), tag.data() + dash, processId);
  if (error != std::errc() || end != tag.data() + dash) return std::nullopt;
  for (const char c : tag.substr(dash + 1)) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  return processId;
}

}  // namespace zlt::platform
