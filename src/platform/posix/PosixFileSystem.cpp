#include "platform/posix/PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <utility>

#include "platform/TemporaryName.h"

namespace zlt::posix {
namespace {

// An open file descriptor, closed exactly once.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  FileDescriptor& operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
      Reset();
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() { Reset(); }

  bool Valid() const { return fd_ >= 0; }
  int Get() const { return fd_; }
  // Closes now and reports whether the close succeeded: a failed close can
  // mean data that never reached the disk.
  bool Close() {
    if (fd_ < 0) return false;
    return ::close(std::exchange(fd_, -1)) == 0;
  }

 private:
  void Reset() {
    if (fd_ >= 0) ::close(std::exchange(fd_, -1));
  }
  int fd_ = -1;
};

struct DirectoryCloser {
  void operator()(DIR* directory) const { ::closedir(directory); }
};
using DirectoryHandle = std::unique_ptr<DIR, DirectoryCloser>;

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

// Windows finds "ZLTFUSEN.INI" when "ZLTFusen.ini" exists: the name of an
// existing entry of folder that matches part without regard to ASCII case,
// or part itself when there is none.
std::string ExistingSpelling(const std::string& folder, std::string_view part) {
  struct stat info {};
  const std::string exact = folder + "/" + std::string(part);
  if (::lstat(exact.c_str(), &info) == 0 || errno != ENOENT) return std::string(part);
  DirectoryHandle directory(::opendir(folder.empty() ? "/" : folder.c_str()));
  if (!directory) return std::string(part);
  while (const dirent* entry = ::readdir(directory.get())) {
    if (SameIgnoringAsciiCase(entry->d_name, part)) return entry->d_name;
  }
  return std::string(part);
}

std::string SystemReason(int error) { return std::strerror(error); }

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

PosixFileSystem::PosixFileSystem(std::string hostRootForDriveC)
    : root_(std::move(hostRootForDriveC)) {
  while (root_.size() > 1 && root_.back() == '/') root_.pop_back();
}

std::optional<PosixFileSystem::SpelledPath> PosixFileSystem::Spelled(std::string_view path) const {
  if (root_.empty() || path.find('\0') != std::string_view::npos) return std::nullopt;

  SpelledPath spelled;
  spelled.host.reserve(root_.size() + path.size() + 2);
  if (root_ != "/") spelled.host = root_;  // into the room reserved, not a copy
  if (path.size() >= 2 && IsDriveLetter(path[0]) && path[1] == ':') {
    const char drive = static_cast<char>(path[0] & ~0x20);  // upper case
    if (drive != 'C') {
      spelled.host += '/';
      spelled.host += drive;
    }
    path.remove_prefix(2);
  }
  spelled.baseLength = spelled.host.size();

  while (!path.empty()) {
    std::size_t end = 0;
    while (end < path.size() && !IsSeparator(path[end])) ++end;
    const std::string_view part = path.substr(0, end);
    path.remove_prefix(end == path.size() ? end : end + 1);
    if (part.empty() || part == ".") continue;
    if (part == "..") {
      // Parts hold no slash: the last one starts at the last slash.
      if (spelled.host.size() > spelled.baseLength) spelled.host.resize(spelled.host.rfind('/'));
      continue;
    }
    spelled.host += '/';
    spelled.host += part;
  }
  if (spelled.host.empty()) spelled.host = "/";
  return spelled;
}

std::string PosixFileSystem::SpellingOnDisk(const SpelledPath& spelled) {
  std::string result = spelled.host.substr(0, spelled.baseLength);
  std::string_view parts = std::string_view(spelled.host).substr(spelled.baseLength);
  while (!parts.empty()) {
    const std::size_t slash = parts.find('/');
    const std::string_view part = parts.substr(0, slash);
    parts.remove_prefix(slash == std::string_view::npos ? parts.size() : slash + 1);
    if (part.empty()) continue;
    const std::string spelling = ExistingSpelling(result, part);
    result += '/';
    result += spelling;
  }
  if (result.empty()) result = "/";
  return result;
}

std::optional<std::string> PosixFileSystem::HostPath(std::string_view path) const {
  auto spelled = Spelled(path);
  if (!spelled) return std::nullopt;
  // Most paths name an entry exactly as spelled; then every part of it keeps
  // its spelling and one look answers for all of them.
  struct stat info {};
  if (::lstat(spelled->host.c_str(), &info) == 0) return std::move(spelled->host);
  return SpellingOnDisk(*spelled);
}

std::optional<std::string> PosixFileSystem::ReadAll(std::string_view path) const {
  const auto spelled = Spelled(path);
  if (!spelled) return std::nullopt;
  // The file as spelled first: the name on disk is looked for only when that
  // finds nothing.
  FileDescriptor file(::open(spelled->host.c_str(), O_RDONLY | O_CLOEXEC));
  if (!file.Valid()) {
    const std::string onDisk = SpellingOnDisk(*spelled);
    if (onDisk != spelled->host)
      file = FileDescriptor(::open(onDisk.c_str(), O_RDONLY | O_CLOEXEC));
  }
  if (!file.Valid()) return std::nullopt;
  struct stat info {};
  // Only plain files: a folder cannot be read on Windows and a pipe could block.
  if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;

  // One byte more than the file's size: a read that stops short of it, once
  // the whole size is in, has met the end without another call.
  const auto size = static_cast<std::size_t>(info.st_size);
  std::string bytes(size + 1, '\0');
  std::size_t have = 0;
  for (;;) {
    if (have == bytes.size()) bytes.resize(bytes.size() * 2);  // the file grew meanwhile
    const ssize_t got = ::read(file.Get(), bytes.data() + have, bytes.size() - have);
    if (got < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (got == 0) break;
    have += static_cast<std::size_t>(got);
    if (have >= size && have < bytes.size()) break;
  }
  bytes.resize(have);
  return bytes;
}

platform::WriteResult PosixFileSystem::ReplaceAtomically(std::string_view path,
                                                         std::string_view bytes) {
  const auto target = HostPath(path);
  if (!target) return platform::WriteResult::Failed(SystemReason(EINVAL));
  const std::size_t slash = target->rfind('/');
  const std::string folder = slash == 0 ? std::string("/") : target->substr(0, slash);
  if (target->size() == slash + 1) return platform::WriteResult::Failed(SystemReason(EISDIR));

  // The temporary lives beside the target so that the rename never crosses a
  // file system; O_EXCL makes sure it is ours alone.
  std::string temporary;
  FileDescriptor file(-1);
  for (int attempt = 0; attempt < 100 && !file.Valid(); ++attempt) {
    temporary = platform::TemporaryFileName(*target, static_cast<unsigned long>(::getpid()),
                                            temporaryCounter_++);
    file = FileDescriptor(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!file.Valid() && errno != EEXIST) return platform::WriteResult::Failed(SystemReason(errno));
  }
  if (!file.Valid()) return platform::WriteResult::Failed(SystemReason(EEXIST));

  int error = 0;
  if (!WriteAll(file.Get(), bytes) || ::fsync(file.Get()) != 0) error = errno;
  if (!file.Close() && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), target->c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return platform::WriteResult::Failed(SystemReason(error));
  }

  // The rename itself must reach the disk too. The new bytes are in place
  // already, so a folder that cannot be synced does not make this a failure.
  FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (directory.Valid()) ::fsync(directory.Get());
  return {};
}

bool PosixFileSystem::FileExists(std::string_view path) const {
  const auto spelled = Spelled(path);
  if (!spelled) return false;
  struct stat info {};
  if (::stat(spelled->host.c_str(), &info) == 0) return S_ISREG(info.st_mode);
  const std::string onDisk = SpellingOnDisk(*spelled);
  return onDisk != spelled->host && ::stat(onDisk.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool PosixFileSystem::RemoveFile(std::string_view path) {
  const auto host = HostPath(path);
  return host && ::unlink(host->c_str()) == 0;
}

void PosixFileSystem::MoveToRecycleBin(std::string_view path) { RemoveFile(path); }

bool PosixFileSystem::CreateFolder(std::string_view path) {
  const auto host = HostPath(path);
  return host && ::mkdir(host->c_str(), 0777) == 0;
}

bool PosixFileSystem::CanCreateFilesIn(std::string_view folder) {
  const auto host = HostPath(folder);
  if (!host) return false;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string probe = platform::TemporaryFileName(
        *host + "/ZLTFusen", static_cast<unsigned long>(::getpid()), temporaryCounter_++);
    FileDescriptor file(::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (file.Valid()) {
      ::unlink(probe.c_str());
      return true;
    }
    if (errno != EEXIST) return false;
  }
  return false;
}

std::vector<std::string> PosixFileSystem::ListFiles(std::string_view folder) const {
  std::vector<std::string> names;
  const auto host = HostPath(folder);
  if (!host) return names;
  DirectoryHandle directory(::opendir(host->c_str()));
  if (!directory) return names;
  while (const dirent* entry = ::readdir(directory.get())) {
    const std::string_view name = entry->d_name;
    if (name == "." || name == "..") continue;
    // The entry's type comes with its name; links (followed) and file systems
    // that do not say are asked.
    struct stat info {};
    if (entry->d_type == DT_REG ||
        ((entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) &&
         ::fstatat(::dirfd(directory.get()), entry->d_name, &info, 0) == 0 &&
         S_ISREG(info.st_mode))) {
      names.emplace_back(name);
    }
  }
  return names;
}

}  // namespace zlt::posix
