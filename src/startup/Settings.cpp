#include "startup/Settings.h"

#include "note/IniProfile.h"
#include "startup/Text.h"

namespace zlt {

std::optional<bool> TruthValue(std::string_view text) {
  text = TrimBlanks(text);
  auto equalsFolded = [&](std::string_view word) {
    if (text.size() != word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
      const char c = text[i];
      const char lower = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
      if (lower != word[i]) return false;
    }
    return true;
  };
  if (equalsFolded("true")) return true;
  if (equalsFolded("false")) return false;
  char* end = nullptr;
  const std::string copy(text);
  const double number = std::strtod(copy.c_str(), &end);
  if (copy.empty() || end != copy.c_str() + copy.size()) return std::nullopt;
  return number != 0.0;
}

std::optional<bool> ReadKyuchaku(const platform::IFileSystem& files, std::string_view dataFolder) {
  const std::string path = std::string(dataFolder) + "\\" + std::string(kSettingsFile);
  return TruthValue(note::ReadProfileString(files, path, kSettingsSection, "Kyuchaku", "True"));
}

}  // namespace zlt
