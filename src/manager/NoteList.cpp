#include "manager/NoteList.h"

#include <algorithm>

namespace zlt::manager {

bool IsNoteFileName(std::string_view name) {
  constexpr std::string_view kExtension = ".txt";
  if (name.size() < kExtension.size()) return false;
  const auto tail = name.substr(name.size() - kExtension.size());
  return std::equal(tail.begin(), tail.end(), kExtension.begin(), [](char a, char b) {
    return (a >= 'A' && a <= 'Z' ? static_cast<char>(a - 'A' + 'a') : a) == b;
  });
}

void NoteList::SetPath(std::string_view folder) {
  path_ = folder;
  Refresh();
}

void NoteList::Refresh() {
  names_.clear();
  for (auto& name : files_.ListFiles(path_)) {
    if (IsNoteFileName(name)) names_.push_back(std::move(name));
  }
  std::sort(names_.begin(), names_.end());
}

std::string NoteList::FileName(int index) const {
  if (index < 0 || index >= ListCount()) return {};
  return names_[static_cast<std::size_t>(index)];
}

}  // namespace zlt::manager
