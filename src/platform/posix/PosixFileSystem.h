// The program's files on a POSIX host. The program speaks Windows paths
// ("C:\\Apps\\ZLT\\taro\\0.txt"); one host folder stands for drive C:.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/System.h"

namespace zlt::posix {

class PosixFileSystem final : public platform::IFileSystem {
 public:
  // "C:\\a\\b" becomes hostRoot + "/a/b"; another drive "X:\\a" becomes
  // hostRoot + "/X/a"; a path without a drive is relative to hostRoot. An empty
  // hostRoot means there is no drive at all: every operation fails.
  explicit PosixFileSystem(std::string hostRootForDriveC);

  // The host path a program path stands for, or nullopt when it has none.
  // "." and ".." are resolved by name and never climb above a drive's root,
  // and names of existing entries match without regard to ASCII case, as on
  // Windows.
  std::optional<std::string> HostPath(std::string_view path) const;

  std::optional<std::string> ReadAll(std::string_view path) const override;
  platform::WriteResult ReplaceAtomically(std::string_view path, std::string_view bytes) override;
  bool FileExists(std::string_view path) const override;
  bool RemoveFile(std::string_view path) override;
  // No Recycle Bin here: the file is removed.
  void MoveToRecycleBin(std::string_view path) override;
  bool CreateFolder(std::string_view path) override;
  bool CanCreateFilesIn(std::string_view folder) override;
  std::vector<std::string> ListFiles(std::string_view folder) const override;

 private:
  // A program path as the host spells it: the drive's folder, then the parts
  // with "." and ".." resolved by name, each after a slash.
  struct SpelledPath {
    std::string host;
    std::size_t baseLength = 0;  // the drive's folder: host up to here
  };
  std::optional<SpelledPath> Spelled(std::string_view path) const;
  // Each part as an existing entry spells it, matched without regard to ASCII
  // case; a part with no such entry keeps its own spelling.
  static std::string SpellingOnDisk(const SpelledPath& spelled);

  std::string root_;
  unsigned long temporaryCounter_ = 0;  // makes temporary names unique within the process
};

}  // namespace zlt::posix
