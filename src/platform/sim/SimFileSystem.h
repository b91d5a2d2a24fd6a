// The files of a sim instance: real files under the host root (see
// PosixFileSystem), with the troubles a user's disk can have on demand:
// folders that refuse every write, folders whose note names are all taken, and
// a Recycle Bin that takes nothing.
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

  // From now on the Recycle Bin takes nothing and each file stays where it
  // lies, as Wine's trash leaves a file on another file system.
  void RefuseRecycling() { binRefuses_ = true; }
  // Every path handed to the Recycle Bin, in order, taken or not.
  const std::vector<std::string>& HandedToBin() const { return handedToBin_; }
  // A file the Bin took: where it lay, and its bytes.
  struct BinnedFile {
    std::string path, bytes;
  };
  // What the Bin holds, oldest first.
  const std::vector<BinnedFile>& Bin() const { return bin_; }

  posix::PosixFileSystem& Real() { return files_; }

  std::optional<std::string> ReadAll(std::string_view path) const override;
  platform::WriteResult ReplaceAtomically(std::string_view path, std::string_view bytes) override;
  bool FileExists(std::string_view path) const override;
  bool RemoveFile(std::string_view path) override;
  void MoveToRecycleBin(std::string_view path) override;
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
  bool binRefuses_ = false;
  std::vector<std::string> handedToBin_;
  std::vector<BinnedFile> bin_;
};

}  // namespace zlt::sim
