// Where the program lives, who runs it and what it was started with.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/System.h"

namespace zlt::win32 {

class Win32Environment final : public platform::IEnvironment {
 public:
  std::string AppFolder() const override;
  std::optional<std::string> UserName() const override;
  std::string CommandLine() const override;
  std::optional<std::string> LocalAppDataFolder() const override;
};

// The folder of a module's full path: a drive root keeps its backslash
// ("C:\\"), any other folder has none. Empty when the path names no folder.
std::wstring_view FolderOfModulePath(std::wstring_view modulePath);

// What follows the program name on a command line as the system hands it
// over: the program token is quoted ("..." up to the next quote) or ends at
// the first blank or tab; the blanks and tabs after it are skipped and the
// rest is returned as it stands.
std::wstring_view ArgumentsOfCommandLine(std::wstring_view commandLine);

}  // namespace zlt::win32
