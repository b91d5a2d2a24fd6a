// Writing a note window's file: "保存", the write on close and on session end,
// and what happens when a write fails.
#include "note/FusenshiLayout.h"
#include "note/FusenshiWindow.h"
#include "state/Folders.h"

namespace zlt::note {

MemoFileContent FusenshiWindow::NoteContent(float left) const {
  MemoFileContent content;
  content.alarm = details_.Checked(AlmCheck) ? 1 : 0;
  content.alarmMusic = details_.Checked(AlmMusic) ? 1 : 0;
  content.date = details_.Text(txtDateNo);
  content.time0 = details_.Text(txtTime0);
  content.time1 = details_.Text(txtTime1);
  content.left = left;
  content.top = static_cast<float>(form_->Bounds().top);
  content.temae = TemaeChecked() ? 1 : 0;
  content.toumei = ToumeiChecked() ? 1 : 0;
  content.title = Title();
  content.details = Details();
  content.utf16 = fileUtf16_;
  return content;
}

std::optional<SaveFailure> FusenshiWindow::WriteNote(float left) {
  std::string path = memoPath_;
  if (path.empty()) {
    const auto fresh = NewMemoFilePath(platform_.files, JoinPath(state_.DataFolder, ""));
    if (!fresh) return NoFreeFileName(state_.DataFolder);
    path = *fresh;
  }
  auto content = NoteContent(left);
  content.utf16 = StoredAsUtf16(content);
  const std::string bytes = MemoFileBytes(content);
  // A note its file already holds byte for byte (most notes, when a session
  // ends or every note closes) is not written again: a thousand flushed
  // writes would hold the shutdown up, and where the folder takes no writes
  // every note would go to the recovery folder for nothing.
  if (path != memoPath_ || platform_.files.ReadAll(path) != bytes) {
    // The file is replaced in one step, so no other event can see it gone.
    const auto written = platform_.files.ReplaceAtomically(path, bytes);
    if (!written) return SaveFailure{path, written.reason};
  }
  memoPath_ = path;
  details_.SetText(loadFileName, memoPath_);
  fileUtf16_ = content.utf16;
  return std::nullopt;
}

bool FusenshiWindow::SaveFromDetails() {
  const auto failure = WriteNote(static_cast<float>(layout::CollapsedLeft(form_->Bounds())));
  if (failure) platform_.windows.ShowNotice(SaveFailedText(*failure), kMessageTitle);
  return !failure;
}

std::optional<SaveFailure> FusenshiWindow::Form_QueryUnload() {
  if (!HasContent()) return std::nullopt;
  // Typed but never saved: kept under a new name rather than lost.
  return WriteNote(static_cast<float>(layout::CollapsedLeft(form_->Bounds())));
}

long FusenshiWindow::OnCloseRequest() {
  if (const auto failure = Form_QueryUnload(); failure && !host_.ClosingToDelete()) {
    platform_.windows.ShowNotice(CloseKeptOpenText(*failure), kMessageTitle);
    return 1;  // the note stays, text and all
  }
  const std::string path = memoPath_;
  host_.NoteClosed(*this, path);  // destroys this window
  return 0;
}

void FusenshiWindow::OnEndSession() {
  // Nothing may wait now: a note that cannot go to its file goes where the
  // next start can point the user to it.
  if (Form_QueryUnload()) {
    KeepForRecovery(platform_.files, state_.RecoveryFolder,
                    NoteContent(static_cast<float>(layout::CollapsedLeft(form_->Bounds()))));
  }
}

}  // namespace zlt::note
