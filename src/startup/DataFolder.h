// Where the notes live: "<application folder>\<user name>", or, where that
// cannot be created and written (a program under "C:\Program Files"), the
// same place under the user's VirtualStore, where Windows itself puts such a
// program's files when it redirects them. Chosen once at start.
#pragma once

#include <string>
#include <string_view>

#include "platform/System.h"

namespace zlt {

// localAppData + "\VirtualStore" + folder without its drive ("C:\A\b" gives
// "<localAppData>\VirtualStore\A\b").
std::string VirtualStorePlace(std::string_view localAppData, std::string_view folder);

// The data folder for appFolder and userName, created when missing.
std::string ChooseDataFolder(platform::IFileSystem& files,
                             const platform::IEnvironment& environment, std::string_view appFolder,
                             std::string_view userName);

// Removes the temporaries that interrupted saves left in folder: those of a
// process that no longer runs this program, and any of this process (it has
// written nothing yet, so they are an earlier process's with the same id).
void RemoveLeftTemporaries(platform::IFileSystem& files, const platform::IProcesses& processes,
                           std::string_view folder);

}  // namespace zlt
