#include "manager/Controller.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace zlt::manager {

namespace {

platform::FormSpec ControllerSpec(std::string_view caption) {
  platform::FormSpec spec;
  spec.caption = caption;
  spec.style = platform::FormStyle::Dialog;
  spec.bounds = information::kClient;
  return spec;
}

constexpr std::string_view kNoteRefusedText =
    "付箋紙のウィンドウを作成できませんでした。\n"
    "Windows のウィンドウ資源が足りない可能性があります。開いている付箋紙はそのまま使えます。";

}  // namespace

Controller::Controller(platform::Platform& platform, ProgramState& state, EndProgram endProgram,
                       std::string_view caption)
    : platform_(platform),
      state_(state),
      endProgram_(std::move(endProgram)),
      form_(platform.windows.CreateForm(ControllerSpec(caption), *this)),
      list_(platform.files),
      snapTick_(*form_, notes_) {
  information_ = std::make_unique<InformationWindow>(*form_, platform_.shell, state_,
                                                     [this] { endProgram_(); });
  menu_ = platform_.windows.CreatePopupMenu(NoteMenuItems());
  CentreOnScreen();
}

Controller::~Controller() {
  // Notes go first: they may still ask the controller while being destroyed.
  notes_.clear();
}

void Controller::CentreOnScreen() {
  const auto screen = platform_.windows.Screen();
  auto bounds = form_->Bounds();
  bounds.left = screen.width / 2 - bounds.width / 2;
  bounds.top = screen.height / 2 - bounds.height / 2;
  form_->SetBounds(bounds);
}

std::string Controller::ListedPath(int index) const {
  return list_.Path() + "\\" + list_.FileName(index);
}

note::NoteWindow* Controller::CreateNote(note::LoadMode mode, const std::string& path) {
  auto& note = *notes_.emplace_back(std::make_unique<note::NoteWindow>(platform_, state_, *this));
  try {
    note.Load(mode, path);
    note.ShowInactive();
    return &note;
  } catch (const platform::WindowRefused&) {
    // The window system refused the note's window or one of its controls (out
    // of window objects, most likely): this note is not open, and the rest of
    // a batch would fail alike. Any other error is a fault of the program and
    // goes on up.
    if (note.NoteNumber() != 0) --state_.OpenNotes;
    std::erase_if(notes_, [&](const auto& held) { return held.get() == &note; });
    noteRefused_ = true;
    return nullptr;
  }
}

void Controller::ReportRefused() {
  // Said once, after the batch: the notes made so far stay and work.
  if (noteRefused_) platform_.windows.ShowNotice(kNoteRefusedText, kCaption);
  noteRefused_ = false;
}

note::NoteWindow* Controller::NoteNumbered(int number) {
  for (const auto& note : notes_) {
    if (note->NoteNumber() == number) return note.get();
  }
  return nullptr;
}

void Controller::NewNote() {
  auto* note = CreateNote(note::LoadMode::New);
  ReportRefused();
  if (note != nullptr) note->Activate();
  UpdateSnapTick();
}

bool Controller::OpenAllNotes() {
  list_.SetPath(state_.DataFolder);
  const int count = list_.ListCount();
  if (count == 0) return false;
  int first = 0;
  for (int i = 0; i < count; ++i) {
    auto* note = CreateNote(note::LoadMode::Listed, ListedPath(i));
    if (note == nullptr) break;
    if (first == 0) first = note->NoteNumber();
  }
  ReportRefused();
  // Activating each note as it appears would only move the activation along:
  // the first note of the list is the one left active.
  if (auto* note = NoteNumbered(first)) note->Activate();
  UpdateSnapTick();
  return true;
}

bool Controller::HasWindowFor(const std::string& path) const {
  return std::any_of(notes_.begin(), notes_.end(),
                     [&](const auto& note) { return note->Model().path == path; });
}

void Controller::ShowHidden() {
  list_.SetPath(state_.DataFolder);
  if (list_.ListCount() <= 0) return;
  for (const auto& note : notes_) {
    // Showing a shown window changes nothing; with many notes the calls add up.
    if (!note->Form().Visible()) note->Form().SetVisible(true);
  }
  // Each note opened here would take the activation from the one before it:
  // only the last one opened ends active, so only that one is activated.
  OpenListedWithoutWindow(Activating::Last);
}

void Controller::OpenMissingNotes() {
  list_.SetPath(state_.DataFolder);
  // As after the start-up: the first note opened ends active.
  OpenListedWithoutWindow(Activating::First);
}

void Controller::OpenListedWithoutWindow(Activating activating) {
  int first = 0;
  int last = 0;
  for (int i = 0; i < list_.ListCount(); ++i) {
    const std::string path = ListedPath(i);
    if (HasWindowFor(path)) continue;
    auto* note = CreateNote(note::LoadMode::Reopened, path);
    if (note == nullptr) break;
    if (first == 0) first = note->NoteNumber();
    last = note->NoteNumber();
  }
  ReportRefused();
  if (auto* note = NoteNumbered(activating == Activating::First ? first : last)) note->Activate();
  UpdateSnapTick();
}

void Controller::ShowInformation() {
  form_->SetVisible(true);
  form_->SetEnabled(true);
  form_->Activate();
}

void Controller::ShowInformationAtStart() {
  form_->SetVisible(true);
  form_->Activate();
}

std::vector<note::SaveFailure> Controller::SaveAllNotes() {
  std::vector<note::SaveFailure> failures;
  for (const auto& note : notes_) {
    if (auto failure = note->SaveToFile()) failures.push_back(std::move(*failure));
  }
  return failures;
}

void Controller::OnClick(int controlId) { information_->OnClick(controlId); }

void Controller::ReportUnsaved(const std::vector<note::SaveFailure>& failures) {
  // One notice for the whole command, however many notes it wrote.
  if (!failures.empty()) {
    platform_.windows.ShowNotice(note::NotesNotSavedText(failures), note::kMessageTitle);
  }
}

void Controller::ReportUnsaved(std::optional<note::SaveFailure> failure) {
  if (failure) ReportUnsaved(std::vector<note::SaveFailure>{std::move(*failure)});
}

long Controller::OnCloseRequest() {
  ReportUnsaved(SaveAllNotes());
  // The controller is never unloaded: it only hides, unless no note is left
  // to keep the program running for.
  information_->HideOrEnd();
  return 0;
}

void Controller::OnCopyData(std::string_view bytes) {
  if (copyDataHandler_) copyDataHandler_(bytes);
}

void Controller::SetCopyDataHandler(std::function<void(std::string_view)> handler) {
  copyDataHandler_ = std::move(handler);
}

void Controller::ShowNoteMenu(note::NoteWindow& note) {
  // One menu serves every note: its check marks show the note it opens on.
  menu_->SetChecked(MenuId(MenuItem::InFront), note.Model().applied.inFront);
  menu_->SetChecked(MenuId(MenuItem::Translucent), note.Model().applied.translucent);
  const auto chosen = menu_->TrackAtCursor(note.Form());
  if (chosen) RunMenuCommand(static_cast<MenuItem>(*chosen));
}

note::NoteWindow* Controller::NoteByHandle(platform::WindowHandle window) {
  if (window == platform::kNoWindow) return nullptr;
  for (const auto& note : notes_) {
    if (note->Handle() == window) return note.get();
  }
  return nullptr;
}

std::optional<std::string> Controller::Close(note::NoteWindow& note, CloseFor purpose) {
  const auto failure = note.SaveToFile();
  if (failure && purpose == CloseFor::Keeping) {
    platform_.windows.ShowNotice(note::CloseKeptOpenText(*failure), note::kMessageTitle);
    return std::nullopt;  // the note stays, text and all
  }
  std::string path = note.Model().path;
  std::erase_if(notes_, [&](const auto& held) { return held.get() == &note; });
  --state_.OpenNotes;
  UpdateSnapTick();
  return path;
}

bool Controller::PlaceTaken(const note::NotePlace& place, const note::NoteWindow& asking) {
  const auto screen = platform_.windows.Screen();
  // Windows stand at whole pixels: a place 500 twips down is a third of a
  // pixel off the one a window there really has.
  const auto samePixel = [](platform::Twips a, platform::Twips b, int twipsPerPixel) {
    return std::lround(double(a) / twipsPerPixel) == std::lround(double(b) / twipsPerPixel);
  };
  return std::any_of(notes_.begin(), notes_.end(), [&](const auto& note) {
    if (note.get() == &asking || note->Handle() == platform::kNoWindow) return false;
    const auto other = note->Place();
    return samePixel(other.left, place.left, screen.twipsPerPixelX) &&
           samePixel(other.top, place.top, screen.twipsPerPixelY);
  });
}

bool Controller::CloseNote(note::NoteWindow& note) {
  // However a note is closed (its menu, its cancel, WM_CLOSE, Alt+F4), it is
  // counted out, and the last one ends the program.
  if (!Close(note, CloseFor::Keeping)) return false;
  if (state_.OpenNotes <= 0) endProgram_();
  return true;
}

void Controller::RunMenuCommand(MenuItem item) {
  using Handler = void (*)(Controller&);
  struct Route {
    MenuItem item;
    Handler run;
  };
  // Separators run nothing.
  static constexpr Route kRoutes[] = {
      {MenuItem::NewNote, [](Controller& c) { c.NewNote(); }},
      {MenuItem::ShowHidden, [](Controller& c) { c.ShowHidden(); }},
      {MenuItem::ArrangeFromThisNote,
       [](Controller& c) { c.Arrange(ArrangeMode::FromThisPosition); }},
      {MenuItem::ArrangeTopRight, [](Controller& c) { c.Arrange(ArrangeMode::TopRight); }},
      {MenuItem::ArrangeMiddleRight, [](Controller& c) { c.Arrange(ArrangeMode::MiddleRight); }},
      {MenuItem::ArrangeBottomRight, [](Controller& c) { c.Arrange(ArrangeMode::BottomRight); }},
      {MenuItem::ArrangeTopLeft, [](Controller& c) { c.Arrange(ArrangeMode::TopLeft); }},
      {MenuItem::ArrangeMiddleLeft, [](Controller& c) { c.Arrange(ArrangeMode::MiddleLeft); }},
      {MenuItem::ArrangeBottomLeft, [](Controller& c) { c.Arrange(ArrangeMode::BottomLeft); }},
      {MenuItem::InFront, [](Controller& c) { c.ToggleInFront(); }},
      {MenuItem::Translucent, [](Controller& c) { c.ToggleTranslucent(); }},
      {MenuItem::Snap, [](Controller& c) { c.ToggleSnap(); }},
      {MenuItem::AllInFront, [](Controller& c) { c.SetEveryNoteInFront(true); }},
      {MenuItem::AllInFrontOff, [](Controller& c) { c.SetEveryNoteInFront(false); }},
      {MenuItem::AllTranslucent, [](Controller& c) { c.SetEveryNoteTranslucent(true); }},
      {MenuItem::AllTranslucentOff, [](Controller& c) { c.SetEveryNoteTranslucent(false); }},
      {MenuItem::Information, [](Controller& c) { c.ShowInformation(); }},
      {MenuItem::DeleteNote, [](Controller& c) { c.DeleteThisNote(); }},
      {MenuItem::DeleteAllNotes, [](Controller& c) { c.DeleteAllNotes(); }},
      {MenuItem::HideNote, [](Controller& c) { c.HideThisNote(); }},
      {MenuItem::HideAllNotes, [](Controller& c) { c.HideAllNotes(); }},
      {MenuItem::CloseNote, [](Controller& c) { c.CloseThisNote(); }},
      {MenuItem::CloseAllNotes, [](Controller& c) { c.CloseAllNotes(); }},
  };
  for (const auto& route : kRoutes) {
    if (route.item != item) continue;
    route.run(*this);
    break;
  }
  // Commands show and hide notes: the snap tick runs only while one is shown.
  UpdateSnapTick();
}

}  // namespace zlt::manager
