#include "startup/DataFolder.h"

#include "platform/TemporaryName.h"
#include "state/Folders.h"

namespace zlt {

std::string VirtualStorePlace(std::string_view localAppData, std::string_view folder) {
  if (folder.size() >= 2 && folder[1] == ':') folder.remove_prefix(2);
  while (!folder.empty() && folder.front() == '\\') folder.remove_prefix(1);
  return JoinPath(JoinPath(localAppData, "VirtualStore"), folder);
}

std::string ChooseDataFolder(platform::IFileSystem& files,
                             const platform::IEnvironment& environment, std::string_view appFolder,
                             std::string_view userName) {
  std::string folder = JoinPath(appFolder, userName);
  // The user's folder only: the program's folder, which holds the executable, exists.
  files.CreateFolder(folder);
  if (files.CanCreateFilesIn(folder)) return folder;
  if (const auto localAppData = environment.LocalAppDataFolder()) {
    std::string store = VirtualStorePlace(*localAppData, folder);
    if (CreateFolderPath(files, store)) return store;
  }
  // Nowhere better: every save then says why it cannot write.
  return folder;
}

void RemoveLeftTemporaries(platform::IFileSystem& files, const platform::IProcesses& processes,
                           std::string_view folder) {
  const unsigned long self = processes.CurrentProcessId();
  for (const std::string& name : files.ListFiles(folder)) {
    const auto owner = platform::TemporaryFileOwner(name);
    if (!owner) continue;
    if (*owner == self || !processes.SameProgramRunning(*owner)) {
      files.RemoveFile(JoinPath(folder, name));
    }
  }
}

}  // namespace zlt
