#include "note/FusenshiWindow.h"

#include <algorithm>

#include "note/FusenshiLayout.h"
#include "note/MemoFile.h"
#include "note/Snap.h"
#include "state/Text.h"

namespace zlt::note {

using platform::TwipsRect;

namespace {

constexpr std::string_view kCaptionPrefix = "ＺＬＴ付箋紙プラグインNo.";

std::string TwoDigits(int value) {
  const auto digits = std::to_string(value);
  return digits.size() < 2 ? "0" + digits : digits;
}

}  // namespace

std::string NoteCaption(int number) { return std::string(kCaptionPrefix) + std::to_string(number); }

FusenshiWindow::FusenshiWindow(platform::Platform& platform, ProgramState& state, NoteHost& host)
    : platform_(platform),
      state_(state),
      host_(host),
      strip_(TitleStripControls()),
      details_(DetailsControls()),
      frame_(platform, state, host, *this),
      title_(platform, *this, frame_, strip_),
      picker_(platform.clock, details_),
      alarm_(platform, state, strip_, details_, picker_, *this) {
  // A new note starts with both display options on.
  details_.SetChecked(ToumeiCheck, true);
  details_.SetChecked(TemaeCheck, true);
}

FusenshiWindow::~FusenshiWindow() = default;

platform::WindowHandle FusenshiWindow::Handle() const {
  return form_ ? form_->Handle() : platform::kNoWindow;
}

std::string FusenshiWindow::Caption() const { return form_ ? form_->Caption() : std::string(); }

std::string FusenshiWindow::LoadFileNameCaption() const { return details_.Text(loadFileName); }
bool FusenshiWindow::TemaeChecked() const { return details_.Checked(TemaeCheck); }
bool FusenshiWindow::ToumeiChecked() const { return details_.Checked(ToumeiCheck); }
void FusenshiWindow::SetTemaeChecked(bool checked) { details_.SetChecked(TemaeCheck, checked); }
void FusenshiWindow::SetToumeiChecked(bool checked) { details_.SetChecked(ToumeiCheck, checked); }
bool FusenshiWindow::DetailsOpen() const { return details_.Visible(Frame1); }
std::string FusenshiWindow::Title() const { return strip_.Text(txtTitle); }
std::string FusenshiWindow::Details() const { return details_.Text(txtData); }

bool FusenshiWindow::HasContent() const {
  return !TrimSpaces(Title()).empty() || !TrimSpaces(Details()).empty() ||
         details_.Checked(AlmCheck);
}

void FusenshiWindow::Form_Load() {
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

  // A note loaded from its file is read before its window is made, so the
  // window and its title box are made where and as the file says instead of
  // being moved and filled afterwards.
  const bool startup = state_.StartupLoad;
  const bool review = !startup && state_.ReViewLoad;
  std::optional<MemoFileValues> values;
  if (startup || review) {
    if (review) state_.ReViewLoad = false;
    const auto name =
        host_.NoteListFileName(startup ? state_.OpenMemoCount - 1 : state_.ReViewIndex);
    if (!name.empty()) memoPath_ = state_.DataFolder + "\\" + name;
    values = ReadMemoFile(platform_.files, memoPath_);
    // Not a note (or not readable now): the window stays empty and is not tied
    // to the file, so no save, close or title ever touches those bytes; its
    // first save picks a new name.
    if (!values) memoPath_.clear();
    if (values) {
      bounds.left = values->left;
      bounds.top = values->top;
      // What the file holds: storing it back would only rewrite every note
      // file at start-up.
      strip_.SetText(txtTitle, values->title);
    }
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

  if (startup) {
    if (values) LoadFromFile(*values);
    // The controller runs the chain as a loop: this asks for the next window.
    if (state_.MemoCount < host_.NoteListCount()) {
      host_.NewMemo_Click();
    } else {
      state_.StartupLoad = false;
    }
    state_.FrmPath = memoPath_;
    return;
  }
  if (review) {
    if (values) LoadFromFile(*values);
    return;
  }

  // A brand-new note opens its details view at once.
  if (!HasContent() && TrimSpaces(details_.Text(txtTime0)) == "00" &&
      TrimSpaces(details_.Text(txtTime1)) == "00" &&
      TrimSpaces(details_.Text(txtDateNo)) == "0000/00/00") {
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

// Not called for a file that is not a usable note: that window stays empty at
// its place.
void FusenshiWindow::LoadFromFile(const MemoFileValues& values) {
  fileUtf16_ = values.utf16;
  SetAlarmChecked(values.alarm != 0);
  details_.SetText(loadFileName, memoPath_);
  const bool armed = details_.Checked(AlmCheck);
  details_.SetEnabled(AlmMusic, armed);
  details_.SetChecked(AlmMusic, values.alarmMusic != 0);
  details_.SetText(txtDateNo, values.date);
  details_.SetText(txtTime0, values.time0);
  details_.SetText(txtTime1, values.time1);
  picker_.Close();
  alarm_.WatchFromLoad();

  // Saved on a monitor that is gone: back onto the primary screen, snap or not.
  if (!platform_.windows.MonitorRectOf(form_->Handle())) {
    SetBounds(SnapToEdges(form_->Bounds(), PrimaryScreenEdges(platform_.windows.Screen())));
  }

  state_.TemaeFlag.Set(number_, values.temae);
  SetTemaeChecked(values.temae);
  if (values.temae) form_->SetTopmost(true);

  state_.ToumeiFlag.Set(number_, values.toumei);
  SetToumeiChecked(values.toumei);
  if (values.toumei) form_->SetLayeredAlpha(layout::kTranslucentAlpha);
  if (values.details) details_.SetText(txtData, *values.details);
}

void FusenshiWindow::ShowInactive() { form_->SetVisible(true); }

void FusenshiWindow::Activate() {
  form_->Activate();
  Form_Activate();
  // A new note is for typing: the caret waits in its title.
  if (DetailsOpen()) strip_.Live(txtTitle)->Focus();
}

void FusenshiWindow::Form_Activate() {
  host_.RecordThisNote(Caption(), Title());
  state_.FrmPath = memoPath_;
}

void FusenshiWindow::cmdSave_Click(int index) {
  if (index == 0) {
    // A note that could not be written keeps its details open with its text.
    if (!SaveFromDetails()) return;
    alarm_.WatchFromSave();
    CollapseAndApplyOptions();
    return;
  }

  title_.SetTitleText(restore_.title);
  details_.SetText(txtData, restore_.details);
  // The tick goes back first: ticking resets the date and the times, which
  // must then come back too. Times keep their two digits ("09").
  SetAlarmChecked(restore_.alarm);
  picker_.Close();
  details_.SetText(txtDateNo, restore_.date);
  details_.SetChecked(AlmMusic, restore_.music);
  details_.SetText(txtTime0, TwoDigits(restore_.hour));
  details_.SetText(txtTime1, TwoDigits(restore_.minute));
  alarm_.Recheck();
  SetTemaeChecked(restore_.temae);
  SetToumeiChecked(restore_.toumei);
  if (!HasContent()) {
    host_.MemoClose_Click();  // this note may be gone now
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

  state_.ToumeiFlag.Set(number_, ToumeiChecked());
  host_.SetToumeiChecked(ToumeiChecked());
  state_.TemaeFlag.Set(number_, TemaeChecked());
  host_.SetTemaeViewChecked(TemaeChecked());

  if (host_.ToumeiChecked()) form_->SetLayeredAlpha(layout::kTranslucentAlpha);
  if (host_.TemaeViewChecked()) {
    form_->SetTopmost(true);
  } else {
    form_->SetTopmost(false);
    state_.TemaeFlag.Set(number_, false);
    host_.ReassertFrontNotes();
  }
  if (auto* title = strip_.Live(txtTitle)) title->SetSelection(0, 0);
}

void FusenshiWindow::OnActivate() { Form_Activate(); }

void FusenshiWindow::OpenDetails() {
  auto bounds = form_->Bounds();
  if (bounds.width >= layout::kDetailsOpenWidth) return;
  bounds.height = layout::kDetailsHeight;
  bounds.width = layout::kDetailsWidth;
  bounds.left -= layout::kDetailsShift;  // the right edge stays where it was
  if (bounds.left < 0) bounds.left = 0;
  SetBounds(bounds);
  ShowDetailsFrame();

  KeepAlarmRestoreCopy();
  restore_.temae = TemaeChecked();
  restore_.toumei = ToumeiChecked();

  if (auto* data = details_.Live(txtData)) data->Focus();
  form_->SetLayeredAlpha(std::nullopt);
}

void FusenshiWindow::ShowDetailsFrame() {
  details_.Materialise(*form_);
  details_.SetVisible(Frame1, true);
  picker_.DetailsShown();
}

void FusenshiWindow::KeepAlarmRestoreCopy() {
  restore_.title = Title();
  restore_.details = Details();
  restore_.date = details_.Text(txtDateNo);
  restore_.alarm = details_.Checked(AlmCheck);
  restore_.music = details_.Checked(AlmMusic);
  restore_.hour = static_cast<int>(ParseWholeNumber(details_.Text(txtTime0)).value_or(0));
  restore_.minute = static_cast<int>(ParseWholeNumber(details_.Text(txtTime1)).value_or(0));
}

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

void FusenshiWindow::SetAlarmChecked(bool checked) {
  if (details_.Checked(AlmCheck) == checked) return;
  details_.SetChecked(AlmCheck, checked);
  alarm_.AlmCheck_Click();
}

void FusenshiWindow::WriteKey(std::string_view key, std::string_view value) {
  // A note without a file yet skips single-key writes; its first save or
  // close writes everything.
  if (memoPath_.empty()) return;
  WriteMemoKey(platform_.files, memoPath_, key, value);
}

void FusenshiWindow::SetBounds(const TwipsRect& bounds) {
  form_->SetBounds(bounds);
  const auto now = form_->Bounds();
  if (now.width != lastSize_.width || now.height != lastSize_.height) frame_.Form_Resize();
  lastSize_ = now;
}

void FusenshiWindow::OnMouseDown(int controlId, const platform::MouseDown& press) {
  if (controlId == lblTitle || controlId == platform::kFormItself) {
    frame_.lblTitle_MouseDown(press);
  } else if (controlId == txtTitle) {
    title_.txtTitle_MouseDown(press);
  }
}

void FusenshiWindow::OnClick(int controlId) {
  switch (controlId) {
    case cmdSave0:
      cmdSave_Click(0);
      break;
    case cmdSave1:
      cmdSave_Click(1);
      break;
    case AlmCheck:
      alarm_.AlmCheck_Click();
      break;
    case txtDateNo:
      picker_.txtDateNo_Click();
      break;
    case txtTitle:
      title_.txtTitle_Click();
      break;
    default:
      // The tab's own click (lblTitle) does nothing: its press already moved
      // the note or passed the click through.
      if (picker_.OnClick(controlId) == DatePicker::Clicked::DatePicked) alarm_.FocusHour();
      break;
  }
}

void FusenshiWindow::OnDblClick(int controlId) {
  if (controlId == txtTitle) {
    title_.txtTitle_DblClick();
  } else if (controlId == lblTitle) {
    frame_.lblTitle_DblClick();
  }
}

void FusenshiWindow::OnKeyDown(int controlId, int keyCode, int /*shift*/) {
  if (controlId == txtTitle) title_.txtTitle_KeyDown(keyCode);
}

void FusenshiWindow::OnChange(int controlId) {
  if (controlId == txtTitle) title_.txtTitle_Change();
  if (controlId == txtTime0 || controlId == txtTime1) alarm_.Recheck();
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
