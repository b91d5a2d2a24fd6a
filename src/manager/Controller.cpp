#include "manager/Controller.h"

#include <algorithm>
#include <exception>

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
  menu_ = platform_.windows.CreatePopupMenu(FusenMenuItems());
  Form_Load();
}

Controller::~Controller() {
  // Notes go first: they may still ask the controller while being destroyed.
  notes_.clear();
}

void Controller::Form_Load() {
  const auto screen = platform_.windows.Screen();
  auto bounds = form_->Bounds();
  bounds.left = screen.width / 2 - bounds.width / 2;
  bounds.top = screen.height / 2 - bounds.height / 2;
  form_->SetBounds(bounds);
}

bool Controller::MemoListLoad() {
  list_.SetPath(state_.DataFolder);
  return list_.ListCount() != 0;
}

void Controller::NewMemo_Click() {
  // The start-up chain asks for the next window from inside a note's load;
  // running it as a loop here keeps the stack flat for any number of notes.
  if (creatingNotes_) {
    nextNoteWanted_ = true;
    return;
  }
  note::FusenshiWindow* first = CreateNotes();
  // Said once, after the loop: the notes made so far stay and work.
  if (noteRefused_) platform_.windows.ShowNotice(kNoteRefusedText, kCaption);
  // Nested loads finish innermost first, so the first note of the chain is the
  // one left active and recorded as the note last activated. Activating each
  // note as it appears would only move the activation along the chain.
  if (!reviewing_ && first != nullptr) first->Activate();
  lastCreated_ = notes_.empty() ? nullptr : notes_.back().get();
}

note::FusenshiWindow* Controller::CreateNotes() {
  creatingNotes_ = true;
  noteRefused_ = false;
  note::FusenshiWindow* first = nullptr;
  do {
    nextNoteWanted_ = false;
    auto* note = CreateNote();
    if (first == nullptr) first = note;
  } while (nextNoteWanted_);
  creatingNotes_ = false;
  UpdateSnapTick();
  return first;
}

note::FusenshiWindow* Controller::CreateNote() {
  notes_.push_back(std::make_unique<note::FusenshiWindow>(platform_, state_, *this));
  auto& note = *notes_.back();
  try {
    note.Form_Load();
    note.ShowInactive();
    return &note;
  } catch (const std::exception&) {
    // The window system refused the window (out of window objects, most
    // likely): this note is not open, and the rest of a chain would fail alike.
    if (note.NoteNumber() != 0) --state_.OpenMemoCount;
    notes_.pop_back();
    state_.StartupLoad = false;
    state_.ReViewLoad = false;
    nextNoteWanted_ = false;
    noteRefused_ = true;
    return nullptr;
  }
}

bool Controller::HasWindowFor(const std::string& path) const {
  return std::any_of(notes_.begin(), notes_.end(), [&](const auto& note) {
    return note->LoadFileNameCaption() == path || note->MemoPath() == path;
  });
}

void Controller::ReView_Click() {
  list_.SetPath(state_.DataFolder);
  const int count = list_.ListCount();
  if (count <= 0) return;
  // Each note opened here would take the activation from the one before it:
  // only the last one opened ends active, so only that one is activated.
  reviewing_ = true;
  lastCreated_ = nullptr;
  for (int i = 0; i < count; ++i) {
    const std::string path = list_.Path() + "\\" + list_.FileName(i);
    bool found = false;
    for (const auto& note : notes_) {
      if (note->LoadFileNameCaption() == path) found = true;
      // Showing a shown window changes nothing; with many notes the calls add up.
      if (!note->Form().Visible()) note->Form().SetVisible(true);
    }
    if (!found) {
      state_.ReViewLoad = true;
      state_.ReViewIndex = i;
      NewMemo_Click();
      if (noteRefused_) break;
    }
  }
  reviewing_ = false;
  if (lastCreated_ != nullptr) lastCreated_->Activate();
  lastCreated_ = nullptr;
  UpdateSnapTick();
}

void Controller::OpenMissingMemos() {
  list_.SetPath(state_.DataFolder);
  // As after the start-up chain: the first note opened ends active.
  reviewing_ = true;
  note::FusenshiWindow* first = nullptr;
  for (int i = 0; i < list_.ListCount(); ++i) {
    if (HasWindowFor(list_.Path() + "\\" + list_.FileName(i))) continue;
    state_.ReViewLoad = true;
    state_.ReViewIndex = i;
    NewMemo_Click();
    if (noteRefused_) break;
    if (first == nullptr) first = lastCreated_;
  }
  reviewing_ = false;
  lastCreated_ = nullptr;
  if (first != nullptr) first->Activate();
}

void Controller::PluginInfo_Click() {
  form_->SetVisible(true);
  form_->SetEnabled(true);
  form_->Activate();
}

void Controller::ShowInformation() {
  form_->SetVisible(true);
  form_->Activate();
}

std::vector<note::SaveFailure> Controller::SaveAllNotes() {
  std::vector<note::SaveFailure> failures;
  for (const auto& note : notes_) {
    if (auto failure = note->Form_QueryUnload()) failures.push_back(std::move(*failure));
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
  // The controller is never unloaded: it only hides.
  form_->SetVisible(false);
  return 0;
}

void Controller::OnCopyData(std::string_view bytes) {
  if (copyDataHandler_) copyDataHandler_(bytes);
}

void Controller::SetCopyDataHandler(std::function<void(std::string_view)> handler) {
  copyDataHandler_ = std::move(handler);
}

void Controller::RecordThisNote(std::string_view caption, std::string_view title) {
  FrmObject = caption;
  FrmTitle = title;
}

void Controller::SetTemaeViewChecked(bool checked) {
  menu_->SetChecked(MenuId(MenuItem::TemaeView), checked);
}
bool Controller::TemaeViewChecked() const { return menu_->Checked(MenuId(MenuItem::TemaeView)); }
void Controller::SetToumeiChecked(bool checked) {
  menu_->SetChecked(MenuId(MenuItem::Toumei), checked);
}
bool Controller::ToumeiChecked() const { return menu_->Checked(MenuId(MenuItem::Toumei)); }

void Controller::ShowFusenMenu(platform::IForm& owner) {
  const auto chosen = menu_->TrackAtCursor(owner);
  if (chosen) RunMenuCommand(static_cast<MenuItem>(*chosen));
}

note::FusenshiWindow* Controller::NoteByHandle(platform::WindowHandle window) {
  if (window == platform::kNoWindow) return nullptr;
  for (const auto& note : notes_) {
    if (note->Handle() == window) return note.get();
  }
  return nullptr;
}

void Controller::NoteClosed(note::FusenshiWindow& note, std::string_view path) {
  closedNotePath_ = std::string(path);
  const auto found = std::find_if(notes_.begin(), notes_.end(),
                                  [&](const auto& held) { return held.get() == &note; });
  if (found == notes_.end()) return;
  notes_.erase(found);
  UpdateSnapTick();
  // However the window was closed (the menu, WM_CLOSE, Alt+F4), it is counted
  // out here, and the last one ends the program. A close command finishes its
  // own steps first and then ends the program itself.
  --state_.OpenMemoCount;
  if (!closeCommandRunning_ && state_.OpenMemoCount <= 0) endProgram_();
}

void Controller::RunMenuCommand(MenuItem item) {
  using Handler = void (*)(Controller&);
  struct Route {
    MenuItem item;
    Handler run;
  };
  // Separators run nothing.
  static constexpr Route kRoutes[] = {
      {MenuItem::NewMemo, [](Controller& c) { c.NewMemo_Click(); }},
      {MenuItem::ReView, [](Controller& c) { c.ReView_Click(); }},
      {MenuItem::FusenshiSeiretsu0, [](Controller& c) { c.FusenshiSeiretsu_Click(0); }},
      {MenuItem::FusenshiSeiretsu1, [](Controller& c) { c.FusenshiSeiretsu_Click(1); }},
      {MenuItem::FusenshiSeiretsu2, [](Controller& c) { c.FusenshiSeiretsu_Click(2); }},
      {MenuItem::FusenshiSeiretsu3, [](Controller& c) { c.FusenshiSeiretsu_Click(3); }},
      {MenuItem::FusenshiSeiretsu4, [](Controller& c) { c.FusenshiSeiretsu_Click(4); }},
      {MenuItem::FusenshiSeiretsu5, [](Controller& c) { c.FusenshiSeiretsu_Click(5); }},
      {MenuItem::FusenshiSeiretsu6, [](Controller& c) { c.FusenshiSeiretsu_Click(6); }},
      {MenuItem::TemaeView, [](Controller& c) { c.TemaeView_Click(); }},
      {MenuItem::Toumei, [](Controller& c) { c.Toumei_Click(); }},
      {MenuItem::Kyuchaku, [](Controller& c) { c.Kyuchaku_Click(); }},
      {MenuItem::AllTemaeView, [](Controller& c) { c.AllTemaeView_Click(); }},
      {MenuItem::AllTemaeViewOff, [](Controller& c) { c.AllTemaeViewOff_Click(); }},
      {MenuItem::AllToumei, [](Controller& c) { c.AllToumei_Click(); }},
      {MenuItem::AllToumeiOff, [](Controller& c) { c.AllToumeiOff_Click(); }},
      {MenuItem::PluginInfo, [](Controller& c) { c.PluginInfo_Click(); }},
      {MenuItem::MemoDelete, [](Controller& c) { c.MemoDelete_Click(); }},
      {MenuItem::AllMemoDelete, [](Controller& c) { c.AllMemoDelete_Click(); }},
      {MenuItem::MemoShade, [](Controller& c) { c.MemoShade_Click(); }},
      {MenuItem::AllMemoShade, [](Controller& c) { c.AllMemoShade_Click(); }},
      {MenuItem::MemoClose, [](Controller& c) { c.MemoClose_Click(); }},
      {MenuItem::AllMemoClose, [](Controller& c) { c.AllMemoClose_Click(); }},
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
