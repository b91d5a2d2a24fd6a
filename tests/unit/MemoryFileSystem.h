// An in-memory file system for unit tests: paths are compared exactly, each
// operation can be made to fail, and reads are counted.
#pragma once

#include <map>
#include <string>

#include "platform/System.h"

namespace zlt::test {

class MemoryFileSystem : public platform::IFileSystem {
 public:
  std::map<std::string, std::string> files;
  bool failWrites = false;
  bool failReads = false;
  bool listsNothing = false;  // a listing that misses every file
  mutable int reads = 0;

  std::optional<std::string> ReadAll(std::string_view path) const override {
    ++reads;
    const auto it = files.find(std::string(path));
    if (failReads || it == files.end()) return std::nullopt;
    return it->second;
  }
  platform::WriteResult ReplaceAtomically(std::string_view path, std::string_view bytes) override {
    if (failWrites) return platform::WriteResult::Failed("refused");
    files[std::string(path)] = std::string(bytes);
    return {};
  }
  bool FileExists(std::string_view path) const override {
    return files.contains(std::string(path));
  }
  bool RemoveFile(std::string_view path) override { return files.erase(std::string(path)) > 0; }
  void MoveToRecycleBin(std::string_view path) override { RemoveFile(path); }
  bool CreateFolder(std::string_view) override { return false; }
  bool CanCreateFilesIn(std::string_view) override { return !failWrites; }
  std::vector<std::string> ListFiles(std::string_view folder) const override {
    std::vector<std::string> names;
    if (listsNothing) return names;
    const std::string prefix = std::string(folder) + "\\";
    for (const auto& [path, bytes] : files) {
      if (path.starts_with(prefix) && path.find('\\', prefix.size()) == std::string::npos)
        names.push_back(path.substr(prefix.size()));
    }
    return names;
  }
};

}  // namespace zlt::test
