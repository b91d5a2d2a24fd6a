#include "note/FusenshiWindow.h"

#include <algorithm>

#include "note/FusenshiLayout.h"
#include "note/MemoFile.h"
#include "note/Snap.h"

namespace zlt::note {

using platform::TwipsRect;

namespace {

constexpr std::string_view kCaptionPrefix = "ＺＬＴ付箋紙プラグインNo.";

const char* TrueFalse(bool value) { return value ? "True" : "False"; }

}  // namespace

std::string NoteCaption(int number) { return std::string(kCaptionPrefix) + std::to_string(number); }

FusenshiWindow::FusenshiWindow(platform::Platform& platform, ProgramState& state, NoteHost& host)
    : platform_(platform),
      state_(state),
      host_(host),
      strip_(TitleStripControls()),
      details_(DetailsControls()),
      frame_(platform, *this),
      title_(platform, model_, strip_, *this),
      picker_(platform.clock, details_),
      alarm_(platform, state, model_, strip_, details_, picker_, *this) {
  // A new note starts with both display options ticked.
  details_.SetChecked(ToumeiCheck, model_.shown.options.translucent);
  details_.SetChecked(TemaeCheck, model_.shown.options.inFront);
}

FusenshiWindow::~FusenshiWindow() = default;

platform::WindowHandle FusenshiWindow::Handle() const {
  return form_ ? form_->Handle() : platform::kNoWindow;
}

bool FusenshiWindow::DetailsOpen() const { return details_.Visible(Frame1); }

void FusenshiWindow::Load(LoadMode mode, const std::string& path) {
  using namespace layout;
  // The last pressed note decides where a new one starts.
  TwipsRect bounds;
  bounds.top = state_.FrmTop + kNewNoteDrop;
  bounds.left =
      state_.FrmWidth < kDetailsOpenWidth ? state_.FrmLeft - kDetailsShift : state_.FrmLeft;
  bounds.width = kCollapsedWidth;
  bounds.height = kCollapsedHeight;

  ++state_.MemoCount;
  ++state_.OpenMemoCount;
  number_ = state_.MemoCount;
  model_.applied = {state_.NewNotesInFront, state_.NewNotesTranslucent};

  // A note loaded from its file is read before its window is made, so the
  // window and its title box are made where and as the file says instead of
  // being moved and filled afterwards.
  std::optional<MemoFileValues> values;
  if (mode != LoadMode::New && !path.empty()) values = ReadMemoFile(platform_.files, path);
  // Not a note (or not readable now): the window stays empty and is not tied
  // to the file, so no save, close or title ever touches those bytes; its
  // first save picks a new name.
  if (values) {
    model_ = NoteModel::FromFile(*values, path);
    bounds.left = model_.place.left;
    bounds.top = model_.place.top;
    // What the file holds: storing it back would only rewrite every note
    // file at start-up.
    strip_.SetText(txtTitle, model_.shown.title);
  }

  platform::FormSpec spec;
  spec.caption = NoteCaption(number_);
  spec.style = platform::FormStyle::Borderless;
  spec.bounds = bounds;
  spec.backColour = kNoteColour;
  form_ = platform_.windows.CreateForm(spec, *this);
  picker_.Attach(*form_);
  alarm_.Attach(*form_);
  lastSize_ = form_->Bounds();
  strip_.Materialise(*form_);
  frame_.Form_Resize();

  if (values) ShowLoaded(values->details.has_value());
  if (mode == LoadMode::Listed) state_.FrmPath = model_.path;
  if (mode != LoadMode::New) return;

  // A brand-new note opens its details view at once.
  if (model_.shown.IsBlank()) {
    auto open = form_->Bounds();
    open.height = kDetailsHeight;
    open.width = kDetailsWidth;
    if (state_.OpenMemoCount == 1) {
      open.top = 0;
      open.left = platform_.windows.Screen().width - open.width;
    } else if (open.left < 0) {
      open.left = 0;
    }
    SetBounds(open);
    ShowDetailsFrame();
  }
}

void FusenshiWindow::ShowLoaded(bool hasDetails) {
  alarm_.ShowFields();
  alarm_.WatchFromLoad();

  // Saved on a monitor that is gone: back onto the primary screen, snap or not.
  if (!platform_.windows.MonitorRectOf(form_->Handle())) {
    SetBounds(SnapToEdges(form_->Bounds(), PrimaryScreenEdges(platform_.windows.Screen())));
  }

  details_.SetChecked(TemaeCheck, model_.shown.options.inFront);
  if (model_.applied.inFront) form_->SetTopmost(true);
  details_.SetChecked(ToumeiCheck, model_.shown.options.translucent);
  if (model_.applied.translucent) form_->SetLayeredAlpha(layout::kTranslucentAlpha);
  if (hasDetails) details_.SetText(txtData, model_.shown.details);
}

void FusenshiWindow::ShowInactive() { form_->SetVisible(true); }

void FusenshiWindow::Activate() {
  form_->Activate();
  OnActivate();
  // A new note is for typing: the caret waits in its title.
  if (DetailsOpen()) strip_.Live(txtTitle)->Focus();
}

void FusenshiWindow::OnActivate() {
  host_.RecordThisNote(*this);
  state_.FrmPath = model_.path;
}

void FusenshiWindow::Save() {
  // A note that could not be written keeps its details open with its text.
  if (!SaveFromDetails()) return;
  alarm_.WatchFromSave();
  CollapseAndApplyOptions();
}

void FusenshiWindow::Cancel() {
  const ShownValues copy = cancelCopy_;
  title_.SetTitle(copy.title);  // a changed title goes to the file, as a typed one does
  model_.shown = copy;
  details_.SetText(txtData, copy.details);
  alarm_.ShowFields();
  picker_.Close();
  alarm_.Recheck();
  details_.SetChecked(TemaeCheck, copy.options.inFront);
  details_.SetChecked(ToumeiCheck, copy.options.translucent);
  if (!model_.shown.HasContent()) {
    host_.CloseNote(*this);  // this note may be gone now
    return;
  }
  CollapseAndApplyOptions();
}

void FusenshiWindow::CollapseAndApplyOptions() {
  details_.SetVisible(Frame1, false);
  auto bounds = form_->Bounds();
  bounds.left = layout::CollapsedLeft(bounds);
  bounds.height = layout::kCollapsedHeight;
  bounds.width = layout::kCollapsedWidth;
  SetBounds(bounds);

  model_.ApplyShownOptions();
  // Opening the details made the window opaque; unticking leaves it so.
  if (model_.applied.translucent) form_->SetLayeredAlpha(layout::kTranslucentAlpha);
  form_->SetTopmost(model_.applied.inFront);
  if (!model_.applied.inFront) host_.ReassertFrontNotes();
  if (auto* title = strip_.Live(txtTitle)) title->SetSelection(0, 0);
}

void FusenshiWindow::SetInFront(bool front) {
  model_.applied.inFront = front;
  model_.shown.options.inFront = front;
  details_.SetChecked(TemaeCheck, front);
  form_->SetTopmost(front);
}

void FusenshiWindow::SetTranslucent(bool translucent) {
  model_.applied.translucent = translucent;
  model_.shown.options.translucent = translucent;
  details_.SetChecked(ToumeiCheck, translucent);
  form_->SetLayeredAlpha(translucent ? std::optional(layout::kTranslucentAlpha) : std::nullopt);
}

void FusenshiWindow::KeepInFront() {
  if (model_.applied.inFront) form_->SetTopmost(true);
}

void FusenshiWindow::OpenDetails() {
  auto bounds = form_->Bounds();
  if (bounds.width >= layout::kDetailsOpenWidth) return;
  bounds.height = layout::kDetailsHeight;
  bounds.width = layout::kDetailsWidth;
  bounds.left -= layout::kDetailsShift;  // the right edge stays where it was
  if (bounds.left < 0) bounds.left = 0;
  SetBounds(bounds);
  ShowDetailsFrame();
  KeepCancelCopy();
  if (auto* data = details_.Live(txtData)) data->Focus();
  form_->SetLayeredAlpha(std::nullopt);
}

void FusenshiWindow::ShowDetailsFrame() {
  details_.Materialise(*form_);
  details_.SetVisible(Frame1, true);
  picker_.DetailsShown();
}

void FusenshiWindow::KeepCancelCopy() { cancelCopy_ = model_.shown.CancelCopy(); }

void FusenshiWindow::OpenDetailsForAlarm() {
  auto bounds = form_->Bounds();
  // An open view stays put: moving it again would shift the place its next
  // save stores.
  if (bounds.width < layout::kDetailsOpenWidth) {
    bounds.height = layout::kDetailsHeight;
    bounds.width = layout::kDetailsWidth;
    bounds.left = std::max<platform::Twips>(0, bounds.left - layout::kDetailsShift);
    SetBounds(bounds);
  }
  ShowDetailsFrame();
}

void FusenshiWindow::Pressed() {
  const auto bounds = form_->Bounds();
  state_.FrmPath = model_.path;
  state_.FrmTop = bounds.top;
  state_.FrmLeft = bounds.left;
  state_.FrmWidth = bounds.width;
  state_.FrmHeight = bounds.height;
  host_.RecordThisNote(*this);
}

void FusenshiWindow::OpenMenu() {
  // The options the window has are stored with every right press, so a file
  // changed behind the note's back shows them again.
  if (model_.shown.HasContent()) {
    WriteKey("Temae", TrueFalse(model_.applied.inFront));
    WriteKey("Toumei", TrueFalse(model_.applied.translucent));
  }
  host_.ShowNoteMenu(*this);  // the chosen command may close this note
}

void FusenshiWindow::MovedByUser() {
  const auto bounds = form_->Bounds();
  WriteKey("Left", std::to_string(bounds.left));
  WriteKey("Top", std::to_string(bounds.top));
}

void FusenshiWindow::WriteKey(std::string_view key, std::string_view value) {
  WriteMemoKey(platform_.files, model_.path, key, value);
}

void FusenshiWindow::SetBounds(const TwipsRect& bounds) {
  form_->SetBounds(bounds);
  const auto now = form_->Bounds();
  if (now.width != lastSize_.width || now.height != lastSize_.height) frame_.Form_Resize();
  lastSize_ = now;
}

void FusenshiWindow::OnMouseDown(int controlId, const platform::MouseDown& press) {
  if (controlId == lblTitle || controlId == platform::kFormItself) {
    frame_.OnTabPress(press);
  } else if (controlId == txtTitle) {
    title_.OnMouseDown(press);
  }
}

void FusenshiWindow::OnClick(int controlId) {
  switch (controlId) {
    case cmdSave0:
      Save();
      break;
    case cmdSave1:
      Cancel();
      break;
    case AlmCheck:
      alarm_.OnAlarmClicked();
      break;
    case AlmMusic:
      alarm_.OnMusicClicked();
      break;
    case TemaeCheck:
      model_.shown.options.inFront = details_.Checked(TemaeCheck);
      break;
    case ToumeiCheck:
      model_.shown.options.translucent = details_.Checked(ToumeiCheck);
      break;
    case txtDateNo:
      picker_.txtDateNo_Click();
      break;
    case txtTitle:
      title_.OnClick();
      break;
    default:
      // The tab's own click (lblTitle) does nothing: its press already moved
      // the note or passed the click through.
      if (picker_.OnClick(controlId) == DatePicker::Clicked::DatePicked) alarm_.DatePicked();
      break;
  }
}

void FusenshiWindow::OnDblClick(int controlId) {
  if (controlId == txtTitle) {
    title_.OnDblClick();
  } else if (controlId == lblTitle) {
    frame_.PassThrough(2);
  }
}

void FusenshiWindow::OnKeyDown(int controlId, int keyCode, int /*shift*/) {
  if (controlId == txtTitle) title_.OnKeyDown(keyCode);
}

void FusenshiWindow::OnChange(int controlId) {
  if (controlId == txtTitle) {
    title_.OnChange();
  } else if (controlId == txtData) {
    model_.shown.details = details_.Text(txtData);
  } else {
    alarm_.OnFieldChanged(controlId);
  }
}

void FusenshiWindow::OnKeyPress(int controlId, int& keyAscii) {
  alarm_.OnKeyPress(controlId, keyAscii);
}

void FusenshiWindow::OnGotFocus(int controlId) { alarm_.OnGotFocus(controlId); }

void FusenshiWindow::OnLostFocus(int controlId) { alarm_.OnLostFocus(controlId); }

void FusenshiWindow::OnTimer(int timerId) {
  if (timerId == AlarmTimer) alarm_.AlarmTimer_Timer();
}

void FusenshiWindow::OnClockChanged() { alarm_.OnClockChanged(); }

}  // namespace zlt::note
