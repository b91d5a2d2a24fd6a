// The six commands that take notes off the screen: hide, close and delete,
// for this note or for all.
#include "manager/Controller.h"
#include "platform/ResetOnExit.h"

namespace zlt::manager {

namespace {

constexpr std::string_view kDeleteOneText = "この付箋紙データを削除します。よろしいですか";
constexpr std::string_view kDeleteAllText = "全ての付箋紙データを削除します。よろしいですか";
constexpr std::string_view kDeleteTitle = "付箋紙削除確認";

}  // namespace

void Controller::MemoShade_Click() {
  const auto window = platform_.windows.FindWindowByCaption(FrmObject);
  if (auto* note = NoteByHandle(window)) note->Form().SetVisible(false);
}

void Controller::AllMemoShade_Click() {
  for (const auto& note : notes_) note->Form().SetVisible(false);
}

bool Controller::CloseNoteWindow(platform::WindowHandle window) {
  closedNotePath_.reset();
  {
    const platform::ResetOnExit done(closeCommandRunning_, false);
    closeCommandRunning_ = true;
    rc = platform_.windows.SendClose(window);
  }
  return closedNotePath_.has_value();
}

void Controller::MemoClose_Click() {
  const auto window = platform_.windows.FindWindowByCaption(FrmObject);
  if (window == platform::kNoWindow) return;
  // The note counts itself out as it closes (NoteClosed).
  if (CloseNoteWindow(window) && state_.OpenMemoCount <= 0) endProgram_();
}

void Controller::AllMemoClose_Click() {
  // Ending now would take the unsaved text with it: everything stays open.
  if (const auto failures = SaveAllNotes(); !failures.empty()) {
    platform_.windows.ShowNotice(note::NotesKeptOpenText(failures), note::kMessageTitle);
    return;
  }
  endProgram_();
}

void Controller::MemoDelete_Click() {
  const auto window = platform_.windows.FindWindowByCaption(FrmObject);
  const auto answer = platform_.windows.AskYesNo(kDeleteOneText, kDeleteTitle);
  rc = static_cast<long>(answer);
  if (answer != platform::Answer::Yes || window == platform::kNoWindow) return;

  closingToDelete_ = true;
  const bool closed = CloseNoteWindow(window);
  closingToDelete_ = false;
  // The note's own close may just have given it a file: delete the file it
  // really has, which in ordinary use is the one recorded as last pressed.
  const std::string path = closedNotePath_ ? *closedNotePath_ : state_.FrmPath;
  if (!path.empty() && platform_.files.FileExists(path)) platform_.files.RemoveFile(path);
  if (closed && state_.OpenMemoCount <= 0) endProgram_();
}

void Controller::AllMemoDelete_Click() {
  const auto answer = platform_.windows.AskYesNo(kDeleteAllText, kDeleteTitle);
  rc = static_cast<long>(answer);
  if (answer != platform::Answer::Yes) return;
  for (const auto& name : platform_.files.ListFiles(state_.DataFolder)) {
    if (IsNoteFileName(name)) platform_.files.RemoveFile(state_.DataFolder + "\\" + name);
  }
  endProgram_();
}

}  // namespace zlt::manager
