#include "platform/sim/SimFileSystem.h"

#include <algorithm>

namespace zlt::sim {
namespace {

constexpr int kNoteNames = 32768;

char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Paths compare as Windows compares them: ASCII case aside, "/" as "\".
std::string Canonical(std::string_view path) {
  std::string canonical;
  for (const char c : path) canonical += c == '/' ? '\\' : Fold(c);
  while (canonical.size() > 3 && canonical.back() == '\\') canonical.pop_back();
  return canonical;
}

bool Within(std::string_view path, std::string_view folder) {
  const std::string p = Canonical(path), f = Canonical(folder);
  return p == f || (p.starts_with(f) && p.size() > f.size() && p[f.size()] == '\\');
}

std::string_view FolderOf(std::string_view path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
}

}  // namespace

void SimFileSystem::RefuseWrites(std::string folder, std::string reason) {
  refusals_.push_back({std::move(folder), std::move(reason)});
}

void SimFileSystem::TakeAllNames(std::string folder) { takenFolders_.push_back(std::move(folder)); }

const std::string* SimFileSystem::RefusalFor(std::string_view path) const {
  for (const auto& refusal : refusals_) {
    if (Within(path, refusal.folder)) return &refusal.reason;
  }
  return nullptr;
}

bool SimFileSystem::Taken(std::string_view path) const {
  const std::string folder = Canonical(FolderOf(path));
  return std::any_of(takenFolders_.begin(), takenFolders_.end(),
                     [&](const std::string& taken) { return Canonical(taken) == folder; });
}

std::optional<std::string> SimFileSystem::ReadAll(std::string_view path) const {
  return files_.ReadAll(path);
}

platform::WriteResult SimFileSystem::ReplaceAtomically(std::string_view path,
                                                       std::string_view bytes) {
  if (const auto* reason = RefusalFor(path)) return platform::WriteResult::Failed(*reason);
  return files_.ReplaceAtomically(path, bytes);
}

bool SimFileSystem::FileExists(std::string_view path) const {
  return files_.FileExists(path) || Taken(path);
}

bool SimFileSystem::RemoveFile(std::string_view path) {
  return RefusalFor(path) == nullptr && files_.RemoveFile(path);
}

void SimFileSystem::MoveToRecycleBin(std::string_view path) {
  handedToBin_.emplace_back(path);
  // A folder that refuses writes keeps its files from the Bin as from a removal.
  if (binRefuses_ || RefusalFor(path) != nullptr) return;
  auto bytes = files_.ReadAll(path);
  if (bytes && files_.RemoveFile(path)) bin_.push_back({std::string(path), std::move(*bytes)});
}

bool SimFileSystem::CreateFolder(std::string_view path) {
  return RefusalFor(path) == nullptr && files_.CreateFolder(path);
}

bool SimFileSystem::CanCreateFilesIn(std::string_view folder) {
  return RefusalFor(folder) == nullptr && files_.CanCreateFilesIn(folder);
}

std::vector<std::string> SimFileSystem::ListFiles(std::string_view folder) const {
  auto names = files_.ListFiles(folder);
  if (Taken(std::string(folder) + "\\x")) {
    for (int n = 0; n < kNoteNames; ++n) names.push_back(std::to_string(n) + ".txt");
  }
  return names;
}

}  // namespace zlt::sim
