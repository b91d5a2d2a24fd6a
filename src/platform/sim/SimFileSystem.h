// The files of a sim instance: real files under the host root (see
// PosixFileSystem), with the troubles a user's disk can have on demand:
// folders that refuse every write, and folders whose note names are all taken.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/System.h"
#include "platform/posix/PosixFileSystem.h"

namespace zlt::sim {

class SimFileSystem final : public platform::IFileSystem {
 public:
  explicit SimFileSystem(std::string hostRootForDriveC) : files_(std::move(hostRootForDriveC)) {}

  // From now on nothing in folder or below it can be created, replaced or
  // removed; a write fails with reason, as a read-only folder's would.
  void RefuseWrites(std::string folder, std::string reason);
  // Every folder takes writes again.
  void AcceptWrites() { refusals_.clear(); }
  // From now on "0.txt" to "32767.txt" exist in folder, as far as listing and
  // existence go (they cannot be read).
  void TakeAllNames(std::string folder);

  posix::PosixFileSystem& Real() { return files_; }

  std::optional<std::string> ReadAll(std::string_view path) const override;
  platform::WriteResult ReplaceAtomically(std::string_view path, std::string_view bytes) override;
  bool FileExists(std::string_view path) const override;
  bool RemoveFile(std::string_view path) override;
  bool CreateFolder(std::string_view path) override;
  bool CanCreateFilesIn(std::string_view folder) override;
  std::vector<std::string> ListFiles(std::string_view folder) const override;

 private:
  const std::string* RefusalFor(std::string_view path) const;
  bool Taken(std::string_view path) const;

  posix::PosixFileSystem files_;
  struct Refusal {
    std::string folder, reason;
  };
  std::vector<Refusal> refusals_;
  std::vector<std::string> takenFolders_;
};

}  // namespace zlt::sim
