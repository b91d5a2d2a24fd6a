#include "note/Alarm.h"

#include <algorithm>

#include "note/Calendar.h"
#include "note/NoteLayout.h"
#include "state/Text.h"

namespace zlt::note {

namespace {

constexpr platform::Colour kBeforeAlarm = platform::Rgb(255, 224, 192);
constexpr platform::Colour kAlarmReached = platform::Rgb(192, 255, 192);
constexpr int kBackspace = 8;
constexpr int kLastHour = 23;
constexpr int kLastMinute = 59;
// Within this of the alarm the timer aims at the minute itself; further off it
// wakes a minute early and aims again, so a long wait cannot drift past it.
constexpr std::int64_t kFinalApproachMs = 90'000;
constexpr std::int64_t kWakeEarlyMs = 60'000;
constexpr std::int64_t kLongestWaitMs = 20LL * 24 * 60 * 60 * 1000;  // under the timer's limit

std::string TwoDigits(long value) {
  std::string text;
  AppendZeroPadded(text, value, 2);
  return text;
}

// A time box's number: blanks around it and a sign allowed, large values held
// at a bound; empty or not a number counts as 0.
long TimeBoxValue(std::string_view text) {
  text = TrimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return 0;
  long value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return 0;
    value = std::min(value * 10 + (c - '0'), 100'000L);
  }
  return negative ? -value : value;
}

int CharacterCount(std::string_view utf8) {
  return static_cast<int>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

// Selects a text box's trimmed text, or empties a box of blanks.
void SelectBoxText(LazyControls& controls, int id) {
  const auto length = CharacterCount(TrimSpaces(controls.Text(id)));
  if (length == 0) {
    controls.SetText(id, "");
  } else if (auto* box = controls.Live(id)) {
    box->SetSelection(0, length);
  }
}

bool IsTimeBox(int controlId) { return controlId == HourBox || controlId == MinuteBox; }

}  // namespace

std::string AlarmNotice(std::string_view title) {
  return "付箋紙\"\"" + std::string(title) + "\"\"の設定時間になりました";
}

std::string RelayPath(std::string_view appFolder) {
  std::string path(appFolder);
  if (path.empty() || path.back() != '\\') path += '\\';
  return path + "vokrelay.exe";
}

Alarm::Alarm(platform::Platform& platform, const ProgramState& state, NoteModel& model,
             LazyControls& strip, LazyControls& details, DatePicker& picker, AlarmOwner& owner)
    : platform_(platform),
      state_(state),
      alarm_(model.shown.alarm),
      title_(model.shown.title),
      strip_(strip),
      details_(details),
      picker_(picker),
      owner_(owner) {}

Alarm::~Alarm() = default;

void Alarm::ShowFields() {
  const auto show = [&](int id, const std::string& text) {
    if (details_.Text(id) != text) details_.SetText(id, text);
  };
  details_.SetChecked(AlarmCheck, alarm_.on);
  details_.SetChecked(MusicCheck, alarm_.music);
  show(DateBox, alarm_.date);
  show(HourBox, alarm_.hour);
  show(MinuteBox, alarm_.minute);
  for (const int id : {int{MusicCheck}, int{DateBox}, int{HourBox}, int{MinuteBox}}) {
    details_.SetEnabled(id, alarm_.on);
  }
}

void Alarm::OnAlarmClicked() {
  alarm_.on = details_.Checked(AlarmCheck);
  Ticked();
}

void Alarm::SetAlarmOn(bool on) {
  if (alarm_.on == on) return;
  alarm_.on = on;
  Ticked();
}

void Alarm::Ticked() {
  // Ticking starts from today at 00:00 and offers the calendar; unticking
  // leaves the blank fields of a note without an alarm.
  if (alarm_.on) {
    const auto now = platform_.clock.Now();
    alarm_.date.clear();
    AppendZeroPadded(alarm_.date, now.year, 4);
    alarm_.date += '/';
    AppendZeroPadded(alarm_.date, now.month, 2);
    alarm_.date += '/';
    AppendZeroPadded(alarm_.date, now.day, 2);
  } else {
    alarm_.music = false;
    alarm_.date = "0000/00/00";
  }
  alarm_.hour = "00";
  alarm_.minute = "00";
  ShowFields();
  if (alarm_.on) {
    picker_.ShowCalendar();
  } else {
    picker_.Close();
  }
  Recheck();  // a watching alarm follows its fields, saved or not
}

void Alarm::OnMusicClicked() { alarm_.music = details_.Checked(MusicCheck); }

void Alarm::OnFieldChanged(int controlId) {
  // Keys are filtered, but a paste still reaches the date and time boxes.
  if (controlId == DateBox) {
    alarm_.date = details_.Text(DateBox);
  } else if (IsTimeBox(controlId)) {
    (controlId == HourBox ? alarm_.hour : alarm_.minute) = details_.Text(controlId);
  } else {
    return;
  }
  Recheck();
}

void Alarm::SetTime(int controlId, const std::string& text) {
  (controlId == HourBox ? alarm_.hour : alarm_.minute) = text;
  details_.SetText(controlId, text);
}

bool Alarm::OnKeyPress(int controlId, int& keyAscii) {
  if (controlId == DateBox) {
    keyAscii = 0;  // the date comes from the picker only
    return true;
  }
  if (!IsTimeBox(controlId)) return false;
  if (keyAscii != kBackspace && (keyAscii < '0' || keyAscii > '9')) keyAscii = 0;
  return true;
}

void Alarm::OnGotFocus(int controlId) {
  if (!IsTimeBox(controlId)) return;
  SelectBoxText(details_, controlId);
  (controlId == HourBox ? alarm_.hour : alarm_.minute) = details_.Text(controlId);
}

void Alarm::OnLostFocus(int controlId) {
  if (IsTimeBox(controlId)) NormaliseTimes();
}

void Alarm::NormaliseTimes() {
  // Both boxes end as two digits in range, whatever was typed, pasted or
  // deleted: the stamp keeps its twelve characters.
  const long hour = std::clamp(TimeBoxValue(alarm_.hour), 0L, long{kLastHour});
  const long minute = std::clamp(TimeBoxValue(alarm_.minute), 0L, long{kLastMinute});
  if (alarm_.hour != TwoDigits(hour)) SetTime(HourBox, TwoDigits(hour));
  if (alarm_.minute != TwoDigits(minute)) SetTime(MinuteBox, TwoDigits(minute));
  Recheck();
}

void Alarm::DatePicked() {
  alarm_.date = details_.Text(DateBox);
  if (auto* hour = details_.Live(HourBox)) hour->Focus();
  // A program's focus change reports no event: the rule runs here.
  OnGotFocus(HourBox);
  Recheck();
}

std::string Alarm::PresentStamp() const { return StampOf(platform_.clock.Now()); }

void Alarm::WatchFromLoad() {
  watching_ = alarm_.on;
  // A note loaded after its minute turns green and stays silent.
  lastSeen_.reset();
  if (form_ != nullptr && !watching_) form_->StopTimer(AlarmTimer);
  Recheck();
}

void Alarm::WatchFromSave() {
  const auto present = PresentStamp();
  watching_ = alarm_.WaitsAfterSave(present);
  lastSeen_ = present;
  if (form_ != nullptr && !watching_) form_->StopTimer(AlarmTimer);
  Recheck();
}

void Alarm::OnAlarmTimer() {
  if (form_ != nullptr) form_->StopTimer(AlarmTimer);  // one shot; Look sets the next
  Look(true);
}

void Alarm::OnClockChanged() { Look(true); }

void Alarm::Recheck() { Look(false); }

void Alarm::Look(bool clockMoved) {
  if (!watching_ || form_ == nullptr) return;
  form_->StopTimer(AlarmTimer);
  const auto now = platform_.clock.Now();
  const auto present = StampOf(now);
  const auto alarm = alarm_.Stamp();
  strip_.SetBackColour(TabLabel, present > alarm ? kAlarmReached : kBeforeAlarm);
  // The alarm minute went by unseen since the last look: the clock was set
  // past it, or the machine slept through it. A field edited to a past minute
  // is no such case.
  const bool jumpedPast = clockMoved && lastSeen_ && *lastSeen_ < alarm && present > alarm;
  lastSeen_ = present;
  if (present == alarm || jumpedPast) {
    Fire();
    return;
  }
  if (present > alarm) return;  // nothing changes unless the clock goes back
  const auto wait = WaitUntilStampReached(now, alarm);
  if (!wait) return;
  const std::int64_t interval =
      *wait <= kFinalApproachMs ? *wait : std::min(*wait - kWakeEarlyMs, kLongestWaitMs);
  form_->StartTimer(AlarmTimer, static_cast<int>(std::max<std::int64_t>(interval, 1)));
}

void Alarm::Fire() {
  strip_.SetBackColour(TabLabel, kAlarmReached);
  owner_.OpenDetailsForAlarm();
  owner_.KeepCancelCopy();
  form_->SetLayeredAlpha(std::nullopt);  // the stored translucency stays as it is
  const std::string notice = AlarmNotice(title_);
  form_->SetVisible(true);
  owner_.ShownByAlarm();
  // Off before the yield: nothing that runs meanwhile can fire it again.
  watching_ = false;
  form_->StopTimer(AlarmTimer);

  // The yield may close this note: what comes after needs nothing of it.
  const std::weak_ptr<bool> alive = alive_;
  platform::IProcesses& processes = platform_.processes;
  const std::string relay = RelayPath(state_.AppFolder);
  bool music = alarm_.music;
  platform_.windows.DoEvents();
  if (!alive.expired()) music = alarm_.music;

  // A missing relay is no concern of the note: the start just does nothing.
  if (music) processes.StartMinimisedNoActivate(relay, relay + " #[↑]");
  processes.StartMinimisedNoActivate(relay, relay + " " + notice);
}

}  // namespace zlt::note
