// The settings file "ZLTFusen.ini" in the data folder: one key, the option
// that snaps notes to the screen edges.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/System.h"

namespace zlt {

inline constexpr std::string_view kSettingsSection = "ZLT付箋紙プラグイン";
inline constexpr std::string_view kSettingsFile = "ZLTFusen.ini";

// "Kyuchaku" as yes/no; nullopt when the value converts to neither, which
// leaves the menu item as it was. A missing file or key reads as "True".
std::optional<bool> ReadSnapSetting(const platform::IFileSystem& files,
                                    std::string_view dataFolder);

// Stores "Kyuchaku" as "True" or "False", replacing the file in one step as
// note files are. False when it could not be written.
bool WriteSnapSetting(platform::IFileSystem& files, std::string_view dataFolder, bool snap);

}  // namespace zlt
