#include "state/Folders.h"

namespace zlt {

bool CreateFolderPath(platform::IFileSystem& files, std::string_view path) {
  // Each level in turn; one that exists already fails harmlessly.
  for (std::size_t at = path.find('\\'); at != std::string_view::npos;
       at = path.find('\\', at + 1)) {
    if (at == 0 || path[at - 1] == ':' || path[at - 1] == '\\') continue;  // a root, or "\\\\"
    files.CreateFolder(path.substr(0, at));
  }
  files.CreateFolder(path);
  return files.CanCreateFilesIn(path);
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (path.empty() || path.back() != '\\') path += '\\';
  path += name;
  return path;
}

}  // namespace zlt
