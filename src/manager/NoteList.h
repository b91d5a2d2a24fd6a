// The controller's list of note files ("File1"): the names in the data folder
// that end in ".txt", sorted as text, so "10.txt" comes before "2.txt".
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/System.h"

namespace zlt::manager {

class NoteList {
 public:
  explicit NoteList(const platform::IFileSystem& files) : files_(files) {}

  // Points the list at folder and reads it.
  void SetPath(std::string_view folder);
  void Refresh();

  const std::string& Path() const { return path_; }
  int ListCount() const { return static_cast<int>(names_.size()); }
  // The name at index, or "" outside the list.
  std::string FileName(int index) const;
  const std::vector<std::string>& Names() const { return names_; }

 private:
  const platform::IFileSystem& files_;
  std::string path_;
  std::vector<std::string> names_;
};

// Whether name is a note file's name: it ends in ".txt", letter case ignored.
bool IsNoteFileName(std::string_view name);

}  // namespace zlt::manager
