#include "note/NoteWindow.h"

#include <algorithm>

#include "note/NoteFile.h"
#include "note/NoteLayout.h"
#include "note/Snap.h"

namespace zlt::note {

using platform::TwipsRect;

namespace {

constexpr std::string_view kCaptionPrefix = "ＺＬＴ付箋紙プラグインNo.";

}  // namespace

std::string NoteCaption(int number) { return std::string(kCaptionPrefix) + std::to_string(number); }

NoteWindow::NoteWindow(platform::Platform& platform, ProgramState& state, NoteHost& host)
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
  details_.SetChecked(TranslucentCheck, model_.shown.options.translucent);
  details_.SetChecked(InFrontCheck, model_.shown.options.inFront);
}

NoteWindow::~NoteWindow() = default;

platform::WindowHandle NoteWindow::Handle() const {
  return form_ ? form_->Handle() : platform::kNoWindow;
}

bool NoteWindow::DetailsOpen() const { return details_.Visible(DetailsFrame); }

void NoteWindow::Load(LoadMode mode, const std::string& path) {
  using namespace layout;
  // The last pressed note decides where a new one starts.
  TwipsRect bounds;
  bounds.top = state_.PressedTop + kNewNoteDrop;
  bounds.left = state_.PressedWidth < kDetailsOpenWidth
                    ? state_.PressedLeft - state_.PressedDetailsShift
                    : state_.PressedLeft;
  bounds.width = kCollapsedWidth;
  bounds.height = kCollapsedHeight;

  ++state_.LastNoteNumber;
  ++state_.OpenNotes;
  number_ = state_.LastNoteNumber;
  model_.applied = {state_.NewNotesInFront, state_.NewNotesTranslucent};

  // A note loaded from its file is read before its window is made, so the
  // window and its title box are made where and as the file says instead of
  // being moved and filled afterwards.
  std::optional<NoteFileValues> values;
  if (mode != LoadMode::New && !path.empty()) values = ReadNoteFile(platform_.files, path);
  // Not a note (or not readable now): the window stays empty and is not tied
  // to the file, so no save, close or title ever touches those bytes; its
  // first save picks a new name.
  if (values) {
    model_ = NoteModel::FromFile(*values, path);
    bounds.left = model_.place.left;
    bounds.top = model_.place.top;
    // What the file holds: storing it back would only rewrite every note
    // file at start-up.
    strip_.SetText(TitleBox, model_.shown.title);
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
  frame_.FitOutline();

  if (values) ShowLoaded(values->details.has_value());
  if (mode == LoadMode::Listed) state_.LastNotePath = model_.path;
  if (mode != LoadMode::New) return;

  // A brand-new note opens its details view at once.
  if (model_.shown.IsBlank()) {
    auto open = OwnBounds();
    open.height = kDetailsHeight;
    open.width = kDetailsWidth;
    if (state_.OpenNotes == 1) {
      open.top = 0;
      open.left = platform_.windows.Screen().width - form_->Scale().ScreenX(open.width);
    } else {
      if (open.left < 0) open.left = 0;
      open.top = FreeTop(open);
    }
    SetOwnBounds(open);
    ShowDetailsFrame();
  }
}

platform::Twips NoteWindow::FreeTop(const TwipsRect& open) {
  // Notes made one after another below the same note would otherwise stand
  // exactly on each other, and the user would see one where there are two.
  const platform::Twips screenHeight = platform_.windows.Screen().height;
  const platform::Twips left = layout::CollapsedLeft(open, DetailsShift());
  const platform::Twips height = form_->Scale().ScreenY(layout::kCollapsedHeight);
  platform::Twips top = open.top;
  bool wrapped = false;
  while (host_.PlaceTaken({left, top}, *this)) {
    top += layout::kNewNoteDrop;
    if (top + height > screenHeight) {
      if (wrapped) return open.top;  // every place down the screen is taken
      wrapped = true;
      top = 0;
    }
    if (wrapped && top >= open.top) return open.top;
  }
  return top;
}

void NoteWindow::ShowLoaded(bool hasDetails) {
  alarm_.ShowFields();
  alarm_.WatchFromLoad();

  // Saved on a monitor that is gone: back onto the primary screen, snap or not.
  if (!platform_.windows.MonitorRectOf(form_->Handle())) {
    SetBounds(SnapToEdges(form_->Bounds(), PrimaryScreenEdges(platform_.windows.Screen())));
  }

  details_.SetChecked(InFrontCheck, model_.shown.options.inFront);
  if (model_.applied.inFront) form_->SetTopmost(true);
  details_.SetChecked(TranslucentCheck, model_.shown.options.translucent);
  if (model_.applied.translucent) form_->SetLayeredAlpha(layout::kTranslucentAlpha);
  if (hasDetails) details_.SetText(DetailsBox, model_.shown.details);
}

void NoteWindow::ShowInactive() { form_->SetVisible(true); }

void NoteWindow::Activate() {
  form_->Activate();
  OnActivate();
  // A new note is for typing: the caret waits in its title.
  if (DetailsOpen()) strip_.Live(TitleBox)->Focus();
}

void NoteWindow::OnActivate() {
  host_.RecordThisNote(*this);
  state_.LastNotePath = model_.path;
}

void NoteWindow::Save() {
  // A note that could not be written keeps its details open with its text.
  if (!SaveFromDetails()) return;
  alarm_.WatchFromSave();
  CollapseAndApplyOptions();
}

void NoteWindow::Cancel() {
  const ShownValues copy = cancelCopy_;
  title_.SetTitle(copy.title);  // a changed title goes to the file, as a typed one does
  model_.shown = copy;
  details_.SetText(DetailsBox, copy.details);
  alarm_.ShowFields();
  picker_.Close();
  alarm_.Recheck();
  details_.SetChecked(InFrontCheck, copy.options.inFront);
  details_.SetChecked(TranslucentCheck, copy.options.translucent);
  if (!model_.shown.HasContent()) {
    host_.CloseNote(*this);  // this note may be gone now
    return;
  }
  CollapseAndApplyOptions();
}

void NoteWindow::CollapseAndApplyOptions() {
  raisedByAlarm_ = false;  // the window takes its own option again below
  details_.SetVisible(DetailsFrame, false);
  auto bounds = OwnBounds();
  bounds.left = layout::CollapsedLeft(bounds, DetailsShift());
  bounds.height = layout::kCollapsedHeight;
  bounds.width = layout::kCollapsedWidth;
  SetOwnBounds(bounds);

  model_.ApplyShownOptions();
  // Opening the details made the window opaque; unticking leaves it so.
  if (model_.applied.translucent) form_->SetLayeredAlpha(layout::kTranslucentAlpha);
  form_->SetTopmost(model_.applied.inFront);
  if (!model_.applied.inFront) host_.ReassertFrontNotes();
  if (auto* title = strip_.Live(TitleBox)) title->SetSelection(0, 0);
}

void NoteWindow::SetInFront(bool front) {
  model_.applied.inFront = front;
  model_.shown.options.inFront = front;
  details_.SetChecked(InFrontCheck, front);
  form_->SetTopmost(front);
}

void NoteWindow::SetTranslucent(bool translucent) {
  model_.applied.translucent = translucent;
  model_.shown.options.translucent = translucent;
  details_.SetChecked(TranslucentCheck, translucent);
  form_->SetLayeredAlpha(translucent ? std::optional(layout::kTranslucentAlpha) : std::nullopt);
}

void NoteWindow::KeepInFront() {
  if (model_.applied.inFront || raisedByAlarm_) form_->SetTopmost(true);
}

void NoteWindow::OpenDetails() {
  auto bounds = OwnBounds();
  if (bounds.width >= layout::kDetailsOpenWidth) return;
  bounds.height = layout::kDetailsHeight;
  bounds.width = layout::kDetailsWidth;
  bounds.left -= DetailsShift();  // the right edge stays where it was
  if (bounds.left < 0) bounds.left = 0;
  SetOwnBounds(bounds);
  ShowDetailsFrame();
  KeepCancelCopy();
  if (auto* data = details_.Live(DetailsBox)) data->Focus();
  form_->SetLayeredAlpha(std::nullopt);
}

void NoteWindow::ShowDetailsFrame() {
  details_.Materialise(*form_);
  details_.SetVisible(DetailsFrame, true);
  picker_.DetailsShown();
}

void NoteWindow::KeepCancelCopy() { cancelCopy_ = model_.shown.CancelCopy(); }

void NoteWindow::OpenDetailsForAlarm() {
  auto bounds = OwnBounds();
  // An open view stays put: moving it again would shift the place its next
  // save stores.
  if (bounds.width < layout::kDetailsOpenWidth) {
    bounds.height = layout::kDetailsHeight;
    bounds.width = layout::kDetailsWidth;
    bounds.left = std::max<platform::Twips>(0, bounds.left - DetailsShift());
    SetOwnBounds(bounds);
  }
  ShowDetailsFrame();
}

void NoteWindow::ShownByAlarm() {
  // An alarm nobody sees is no alarm: above every window, front notes
  // included, yet without taking the focus from what the user is doing.
  raisedByAlarm_ = true;
  form_->SetTopmost(true);
  host_.NoteShown();
}

void NoteWindow::Pressed() {
  const auto bounds = OwnBounds();
  state_.LastNotePath = model_.path;
  state_.PressedTop = bounds.top;
  state_.PressedLeft = bounds.left;
  state_.PressedWidth = bounds.width;
  state_.PressedDetailsShift = DetailsShift();
  host_.RecordThisNote(*this);
}

void NoteWindow::OpenMenu() {
  // The options the window has are stored with every right press, so a file
  // changed behind the note's back shows them again.
  if (model_.shown.HasContent()) {
    WriteKey(NoteKey::kInFront, OptionText(model_.applied.inFront, NoteWrite::kOneKey));
    WriteKey(NoteKey::kTranslucent, OptionText(model_.applied.translucent, NoteWrite::kOneKey));
  }
  host_.ShowNoteMenu(*this);  // the chosen command may close this note
}

void NoteWindow::MovedByUser() {
  const auto bounds = form_->Bounds();
  WriteKey(NoteKey::kLeft, PositionText(bounds.left, NoteWrite::kOneKey));
  WriteKey(NoteKey::kTop, PositionText(bounds.top, NoteWrite::kOneKey));
}

void NoteWindow::WriteKey(NoteKey key, std::string_view text) {
  if (WriteNoteKey(platform_.files, model_.path, key, text).utf16) model_.utf16 = true;
}

void NoteWindow::SetBounds(const TwipsRect& bounds) {
  form_->SetBounds(bounds);
  const auto now = form_->Bounds();
  if (now.width != lastSize_.width || now.height != lastSize_.height) frame_.FitOutline();
  lastSize_ = now;
}

platform::TwipsRect NoteWindow::OwnBounds() const {
  const auto scale = form_->Scale();
  auto bounds = form_->Bounds();
  bounds.width = scale.OwnX(bounds.width);
  bounds.height = scale.OwnY(bounds.height);
  return bounds;
}

void NoteWindow::SetOwnBounds(const TwipsRect& own) {
  const auto scale = form_->Scale();
  ownWidth_ = own.width;
  ownHeight_ = own.height;
  SetBounds({own.left, own.top, scale.ScreenX(own.width), scale.ScreenY(own.height)});
}

void NoteWindow::OnScaleChanged() {
  // The window took the size the system suggested for the new DPI; the note
  // takes its own exactly, so moving back and forth never changes it.
  auto bounds = OwnBounds();
  bounds.width = ownWidth_;
  bounds.height = ownHeight_;
  // The outline's corners follow the scale even where the size did not change.
  lastSize_ = {};
  SetOwnBounds(bounds);
}

void NoteWindow::OnMouseDown(int controlId, const platform::MouseDown& press) {
  if (controlId == TabLabel || controlId == platform::kFormItself) {
    frame_.OnTabPress(press);
  } else if (controlId == TitleBox) {
    title_.OnMouseDown(press);
  }
}

void NoteWindow::OnClick(int controlId) {
  switch (controlId) {
    case SaveButton:
      Save();
      break;
    case CancelButton:
      Cancel();
      break;
    case AlarmCheck:
      alarm_.OnAlarmClicked();
      break;
    case MusicCheck:
      alarm_.OnMusicClicked();
      break;
    case InFrontCheck:
      model_.shown.options.inFront = details_.Checked(InFrontCheck);
      break;
    case TranslucentCheck:
      model_.shown.options.translucent = details_.Checked(TranslucentCheck);
      break;
    case DateBox:
      picker_.OpenAtShownMonth();
      break;
    case TitleBox:
      title_.OnClick();
      break;
    default:
      // The tab's own click (TabLabel) does nothing: its press already moved
      // the note or passed the click through.
      if (picker_.OnClick(controlId) == DatePicker::Clicked::DatePicked) alarm_.DatePicked();
      break;
  }
}

void NoteWindow::OnDblClick(int controlId) {
  if (controlId == TitleBox) {
    title_.OnDblClick();
  } else if (controlId == TabLabel) {
    frame_.PassThrough(2);
  }
}

void NoteWindow::OnKeyDown(int controlId, int keyCode, int /*shift*/) {
  if (controlId == TitleBox) title_.OnKeyDown(keyCode);
}

void NoteWindow::OnChange(int controlId) {
  if (controlId == TitleBox) {
    title_.OnChange();
  } else if (controlId == DetailsBox) {
    model_.shown.details = details_.Text(DetailsBox);
  } else {
    alarm_.OnFieldChanged(controlId);
  }
}

void NoteWindow::OnKeyPress(int controlId, int& keyAscii) {
  alarm_.OnKeyPress(controlId, keyAscii);
}

void NoteWindow::OnGotFocus(int controlId) { alarm_.OnGotFocus(controlId); }

void NoteWindow::OnLostFocus(int controlId) { alarm_.OnLostFocus(controlId); }

void NoteWindow::OnTimer(int timerId) {
  if (timerId == AlarmTimer) alarm_.OnAlarmTimer();
}

void NoteWindow::OnClockChanged() { alarm_.OnClockChanged(); }

}  // namespace zlt::note
