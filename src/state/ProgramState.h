// The program-wide values every window shares: start-up fills them, the
// controller and the notes read and update them. Nothing of the program is
// included here, so every room above may take it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zlt {

// A yes/no per note number. Numbers beyond the first 51 grow the table, so
// every note works alike however many were opened in one run.
class NoteFlagTable {
 public:
  static constexpr int kInitialSize = 51;  // entries 0..50

  bool Get(int number) const {
    if (number < 0) return false;
    const auto index = static_cast<std::size_t>(number);
    return index < flags_.size() ? flags_[index] : beyond_;
  }
  void Set(int number, bool value) {
    if (number < 0) return;
    const auto index = static_cast<std::size_t>(number);
    if (index >= flags_.size()) flags_.resize(index + 1, beyond_);
    flags_[index] = value;
  }
  // Every entry, including numbers not handed out yet.
  void SetAll(bool value) {
    flags_.assign(flags_.size(), value);
    beyond_ = value;
  }

 private:
  std::vector<bool> flags_ = std::vector<bool>(kInitialSize, false);
  bool beyond_ = false;
};

struct ProgramState {
  std::string UserName;
  std::string AppFolder;
  std::string DataFolder;  // never ends in a backslash
  // Where a note that cannot be saved at session end is kept instead; empty
  // when the system has no local application-data folder.
  std::string RecoveryFolder;

  bool StartupLoad = false;
  bool ReViewLoad = false;
  int ReViewIndex = 0;

  int MemoCount = 0;      // number of the note window created last; only grows
  int OpenMemoCount = 0;  // note windows counted as open

  // The note last activated, loaded or pressed.
  std::string FrmPath;
  std::int32_t FrmTop = 0;
  std::int32_t FrmLeft = 0;
  std::int32_t FrmWidth = 0;
  std::int32_t FrmHeight = 0;

  NoteFlagTable TemaeFlag;   // kept always in front, by note number
  NoteFlagTable ToumeiFlag;  // translucent, by note number
};

}  // namespace zlt
