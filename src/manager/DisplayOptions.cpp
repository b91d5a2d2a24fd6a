// Always in front and translucency: for the note the menu was opened on, or
// for every note. Each note keeps its options in its model; these commands set
// them, and its window and file follow.
#include "manager/Controller.h"

namespace zlt::manager {

void Controller::ToggleInFront() {
  // The menu's own closing runs first; it may have closed this note.
  platform_.windows.DoEvents();
  auto* note = ThisNote();
  if (note == nullptr) return;
  const bool front = !note->Model().applied.inFront;
  note->SetInFront(front);
  // Leaving the top layer must not push the other front notes back.
  if (!front) ReassertFrontNotes();
  ReportUnsaved(note->SaveToFile());
}

void Controller::ToggleTranslucent() {
  platform_.windows.DoEvents();
  auto* note = ThisNote();
  if (note == nullptr) return;
  note->SetTranslucent(!note->Model().applied.translucent);
  ReportUnsaved(note->SaveToFile());
}

void Controller::ReassertFrontNotes() {
  // A note its alarm holds up goes last, so it stays above the others.
  for (const auto& note : notes_) {
    if (!note->RaisedByAlarm()) note->KeepInFront();
  }
  for (const auto& note : notes_) {
    if (note->RaisedByAlarm()) note->KeepInFront();
  }
}

void Controller::SetEveryNoteInFront(bool front) {
  std::vector<note::SaveFailure> failures;
  for (const auto& note : notes_) {
    note->SetInFront(front);
    if (auto failure = note->SaveToFile()) failures.push_back(std::move(*failure));
  }
  ReportUnsaved(failures);
  // Notes made later too: one that reads its options from a file takes those.
  state_.NewNotesInFront = front;
}

void Controller::SetEveryNoteTranslucent(bool translucent) {
  std::vector<note::SaveFailure> failures;
  for (const auto& note : notes_) {
    note->SetTranslucent(translucent);
    if (auto failure = note->SaveToFile()) failures.push_back(std::move(*failure));
  }
  ReportUnsaved(failures);
  state_.NewNotesTranslucent = translucent;
}

}  // namespace zlt::manager
