// Always in front and translucency: for the note the menu was opened on, or
// for every note. A note's state lives in its window, in the program-wide
// table by note number and in its check box (and so its file); these
// commands keep the three in step.
#include "manager/Controller.h"
#include "note/FusenshiLayout.h"

namespace zlt::manager {

namespace {

void ApplyTranslucency(note::FusenshiWindow& note, bool translucent) {
  note.Form().SetLayeredAlpha(translucent ? std::optional(note::layout::kTranslucentAlpha)
                                          : std::nullopt);
}

}  // namespace

note::FusenshiWindow* Controller::OwnNoteByCaption(std::string_view caption) {
  // Only this program's notes: a window of another program may carry the
  // same caption.
  for (const auto& note : notes_) {
    if (note->Caption() == caption) return note.get();
  }
  return nullptr;
}

void Controller::TemaeView_Click() {
  // The menu's own closing runs first; it may have closed this note.
  platform_.windows.DoEvents();
  auto* note = OwnNoteByCaption(FrmObject);
  if (note == nullptr) return;
  const int number = note->NoteNumber();
  const bool front = !state_.TemaeFlag.Get(number);
  note->Form().SetTopmost(front);
  state_.TemaeFlag.Set(number, front);
  // Leaving the top layer must not push the other front notes back.
  if (!front) ReassertFrontNotes();
  note->SetTemaeChecked(front);
  ReportUnsaved(note->Form_QueryUnload());
}

void Controller::Toumei_Click() {
  platform_.windows.DoEvents();
  auto* note = OwnNoteByCaption(FrmObject);
  if (note == nullptr) return;
  const int number = note->NoteNumber();
  const bool translucent = !state_.ToumeiFlag.Get(number);
  state_.ToumeiFlag.Set(number, translucent);
  ApplyTranslucency(*note, translucent);
  note->SetToumeiChecked(translucent);
  ReportUnsaved(note->Form_QueryUnload());
}

void Controller::ReassertFrontNotes() {
  for (const auto& note : notes_) {
    if (state_.TemaeFlag.Get(note->NoteNumber())) note->Form().SetTopmost(true);
  }
}

void Controller::SetEveryNoteInFront(bool front) {
  std::vector<note::SaveFailure> failures;
  for (std::size_t i = 0; i < notes_.size(); ++i) {
    auto& note = *notes_[i];
    note.SetTemaeChecked(front);
    note.Form().SetTopmost(front);
    if (auto failure = note.Form_QueryUnload()) failures.push_back(std::move(*failure));
  }
  ReportUnsaved(failures);
  // Numbers not given out yet too: a note loaded later reads its own file.
  state_.TemaeFlag.SetAll(front);
}

void Controller::SetEveryNoteTranslucent(bool translucent) {
  std::vector<note::SaveFailure> failures;
  for (std::size_t i = 0; i < notes_.size(); ++i) {
    auto& note = *notes_[i];
    note.SetToumeiChecked(translucent);
    ApplyTranslucency(note, translucent);
    if (auto failure = note.Form_QueryUnload()) failures.push_back(std::move(*failure));
  }
  ReportUnsaved(failures);
  state_.ToumeiFlag.SetAll(translucent);
}

void Controller::AllTemaeView_Click() { SetEveryNoteInFront(true); }
void Controller::AllTemaeViewOff_Click() { SetEveryNoteInFront(false); }
void Controller::AllToumei_Click() { SetEveryNoteTranslucent(true); }
void Controller::AllToumeiOff_Click() { SetEveryNoteTranslucent(false); }

}  // namespace zlt::manager
