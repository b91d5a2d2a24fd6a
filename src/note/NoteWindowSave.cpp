// Writing a note window's file: "保存", the write on close and on session end,
// and what happens when a write fails.
#include "note/NoteLayout.h"
#include "note/NoteWindow.h"
#include "state/Folders.h"

namespace zlt::note {

NotePlace NoteWindow::Place() const {
  const auto bounds = OwnBounds();
  return {layout::CollapsedLeft(bounds, DetailsShift()), bounds.top};
}

void NoteWindow::TakePlaceFromWindow() { model_.place = Place(); }

std::optional<SaveFailure> NoteWindow::WriteNote() {
  TakePlaceFromWindow();
  std::string path = model_.path;
  if (path.empty()) {
    const auto fresh = NewNoteFilePath(platform_.files, JoinPath(state_.DataFolder, ""));
    if (!fresh) return NoFreeFileName(state_.DataFolder);
    path = *fresh;
  }
  auto content = model_.FileContent();
  content.utf16 = StoredAsUtf16(content);
  const std::string bytes = NoteFileBytes(content);
  // A note its file already holds byte for byte (most notes, when a session
  // ends or every note closes) is not written again: a thousand flushed
  // writes would hold the shutdown up, and where the folder takes no writes
  // every note would go to the recovery folder for nothing.
  if (path != model_.path || platform_.files.ReadAll(path) != bytes) {
    // The file is replaced in one step, so no other event can see it gone.
    const auto written = platform_.files.ReplaceAtomically(path, bytes);
    if (!written) return SaveFailure{path, written.reason};
  }
  model_.path = path;
  model_.utf16 = content.utf16;
  return std::nullopt;
}

bool NoteWindow::SaveFromDetails() {
  const auto failure = WriteNote();
  if (failure) platform_.windows.ShowNotice(SaveFailedText(*failure), kMessageTitle);
  return !failure;
}

std::optional<SaveFailure> NoteWindow::SaveToFile() {
  if (!model_.shown.HasContent()) return std::nullopt;
  // Typed but never saved: kept under a new name rather than lost.
  return WriteNote();
}

long NoteWindow::OnCloseRequest() {
  // Alt+F4, another program's WM_CLOSE: closed as the menu closes it.
  return host_.CloseNote(*this) ? 0 : 1;
}

void NoteWindow::OnEndSession() {
  // Nothing may wait now: a note that cannot go to its file goes where the
  // next start can point the user to it.
  if (SaveToFile()) KeepForRecovery(platform_.files, state_.RecoveryFolder, model_.FileContent());
}

}  // namespace zlt::note
