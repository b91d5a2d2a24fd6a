#include "manager/Settings.h"

#include "note/ValueText.h"
#include "profile/IniProfile.h"

namespace zlt {

namespace {

std::string SettingsPath(std::string_view dataFolder) {
  return std::string(dataFolder) + "\\" + std::string(kSettingsFile);
}

}  // namespace

std::optional<bool> ReadSnapSetting(const platform::IFileSystem& files,
                                    std::string_view dataFolder) {
  return note::TextToTruth(profile::ReadProfileString(files, SettingsPath(dataFolder),
                                                      kSettingsSection, "Kyuchaku", "True"));
}

bool WriteSnapSetting(platform::IFileSystem& files, std::string_view dataFolder, bool snap) {
  return profile::WriteProfileString(files, SettingsPath(dataFolder), kSettingsSection, "Kyuchaku",
                                     snap ? "True" : "False")
      .written;
}

}  // namespace zlt
