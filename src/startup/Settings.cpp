#include "startup/Settings.h"

#include "note/IniProfile.h"
#include "note/ValueText.h"

namespace zlt {

std::optional<bool> ReadKyuchaku(const platform::IFileSystem& files, std::string_view dataFolder) {
  const std::string path = std::string(dataFolder) + "\\" + std::string(kSettingsFile);
  return note::TextToTruth(
      note::ReadProfileString(files, path, kSettingsSection, "Kyuchaku", "True"));
}

}  // namespace zlt
