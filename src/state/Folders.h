// Folder helpers that start-up and the notes share.
#pragma once

#include <string>
#include <string_view>

#include "platform/System.h"

namespace zlt {

// Creates path and every missing folder above it ("C:\\a\\b\\c" makes a, b
// and c as needed). True when path is a folder new files can go into.
bool CreateFolderPath(platform::IFileSystem& files, std::string_view path);

// folder, a backslash unless folder already ends in one, then name.
std::string JoinPath(std::string_view folder, std::string_view name);

}  // namespace zlt
