// Files through the wide Win32 calls; paths arrive as UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/System.h"

namespace zlt::win32 {

class Win32FileSystem final : public platform::IFileSystem {
 public:
  std::optional<std::string> ReadAll(std::string_view path) const override;
  platform::WriteResult ReplaceAtomically(std::string_view path, std::string_view bytes) override;
  bool FileExists(std::string_view path) const override;
  bool RemoveFile(std::string_view path) override;
  void MoveToRecycleBin(std::string_view path) override;
  bool CreateFolder(std::string_view path) override;
  bool CanCreateFilesIn(std::string_view folder) override;
  std::vector<std::string> ListFiles(std::string_view folder) const override;

 private:
  // Part of every temporary name, so two saves in one process never collide.
  unsigned long nextTemporary_ = 0;
};

}  // namespace zlt::win32
