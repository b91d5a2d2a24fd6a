#include "manager/Settings.h"

#include "note/IniProfile.h"
#include "note/ValueText.h"

namespace zlt {

namespace {

std::string SettingsPath(std::string_view dataFolder) {
  return std::string(dataFolder) + "\\" + std::string(kSettingsFile);
}

}  // namespace

std::optional<bool> ReadSnapSetting(const platform::IFileSystem& files,
                                    std::string_view dataFolder) {
  return note::TextToTruth(note::ReadProfileString(files, SettingsPath(dataFolder),
                                                   kSettingsSection, "Kyuchaku", "True"));
}

bool WriteSnapSetting(platform::IFileSystem& files, std::string_view dataFolder, bool snap) {
  return note::WriteProfileString(files, SettingsPath(dataFolder), kSettingsSection, "Kyuchaku",
                                  snap ? "True" : "False");
}

}  // namespace zlt
