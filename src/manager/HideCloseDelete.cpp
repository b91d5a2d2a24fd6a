// The six commands that take notes off the screen: hide, close and delete,
// for this note or for all.
#include "manager/Controller.h"

namespace zlt::manager {

namespace {

constexpr std::string_view kDeleteOneText = "この付箋紙データを削除します。よろしいですか";
constexpr std::string_view kDeleteAllText = "全ての付箋紙データを削除します。よろしいですか";
constexpr std::string_view kDeleteTitle = "付箋紙削除確認";

// Into the Recycle Bin, so that a Yes given too fast can be taken back; a file
// the Bin did not take is erased all the same, as the user asked.
void DeleteNoteFile(platform::IFileSystem& files, const std::string& path) {
  files.MoveToRecycleBin(path);
  if (files.FileExists(path)) files.RemoveFile(path);
}

}  // namespace

void Controller::HideThisNote() {
  if (auto* note = ThisNote()) note->Form().SetVisible(false);
}

void Controller::HideAllNotes() {
  for (const auto& note : notes_) note->Form().SetVisible(false);
}

void Controller::CloseThisNote() {
  auto* note = ThisNote();
  if (note == nullptr) return;
  if (Close(*note, CloseFor::Keeping) && state_.OpenNotes <= 0) endProgram_();
}

void Controller::CloseAllNotes() {
  // Ending now would take the unsaved text with it: everything stays open.
  if (const auto failures = SaveAllNotes(); !failures.empty()) {
    platform_.windows.ShowNotice(note::NotesKeptOpenText(failures), note::kMessageTitle);
    return;
  }
  endProgram_();
}

void Controller::DeleteThisNote() {
  const auto answer = platform_.windows.AskYesNo(kDeleteOneText, kDeleteTitle);
  if (answer != platform::Answer::Yes) return;
  // The question let other events run: a note closed meanwhile is not found,
  // and its file is left alone.
  auto* note = ThisNote();
  if (note == nullptr) return;
  // The note's own close may just have given it a file: the file it really
  // has is the one deleted.
  const auto path = Close(*note, CloseFor::Deleting);
  if (path && !path->empty() && platform_.files.FileExists(*path))
    DeleteNoteFile(platform_.files, *path);
  if (state_.OpenNotes <= 0) endProgram_();
}

void Controller::DeleteAllNotes() {
  const auto answer = platform_.windows.AskYesNo(kDeleteAllText, kDeleteTitle);
  if (answer != platform::Answer::Yes) return;
  for (const auto& name : platform_.files.ListFiles(state_.DataFolder)) {
    if (IsNoteFileName(name)) DeleteNoteFile(platform_.files, state_.DataFolder + "\\" + name);
  }
  endProgram_();
}

}  // namespace zlt::manager
