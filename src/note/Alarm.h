// A note's alarm: the alarm fields of the details view, their input rules,
// the watcher and the firing. The watcher does not poll: it wakes at the
// start of the next minute that can change something (the alarm minute, or
// for a damaged stamp the minute the title colour turns), and looks again
// whenever the clock jumps or the alarm fields change.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "note/DatePicker.h"
#include "note/LazyControls.h"
#include "note/NoteModel.h"
#include "platform/Form.h"
#include "platform/Platform.h"
#include "state/ProgramState.h"

namespace zlt::note {

// What the firing needs of its note window.
class AlarmOwner {
 public:
  virtual ~AlarmOwner() = default;
  // Opens the details view 3135 twips further left (not past the screen's
  // left edge); a view already open stays where it is.
  virtual void OpenDetailsForAlarm() = 0;
  // Keeps what the note shows now, all nine values, as what cancel puts back.
  virtual void KeepCancelCopy() = 0;
  // The firing has shown the note, hidden or not: it goes above every window
  // until its details close.
  virtual void ShownByAlarm() = 0;
};

// "付箋紙""title""の設定時間になりました"
std::string AlarmNotice(std::string_view title);
// The relay program in the application folder.
std::string RelayPath(std::string_view appFolder);

class Alarm {
 public:
  // The alarm of model: details shows its fields, strip colours its tab.
  Alarm(platform::Platform& platform, const ProgramState& state, NoteModel& model,
        LazyControls& strip, LazyControls& details, DatePicker& picker, AlarmOwner& owner);
  ~Alarm();
  Alarm(const Alarm&) = delete;
  Alarm& operator=(const Alarm&) = delete;

  void Attach(platform::IForm& form) { form_ = &form; }

  // The user ticked or unticked the alarm box.
  void OnAlarmClicked();
  // The program ticks or unticks it: the same as the user's click when the
  // tick changes.
  void SetAlarmOn(bool on);
  // The boxes show the model's alarm fields, enabled while the alarm is ticked.
  void ShowFields();
  // The user ticked or unticked the music box.
  void OnMusicClicked();
  // The user changed the text of the date box or a time box.
  void OnFieldChanged(int controlId);
  // A day was picked: it is the alarm's date, and the hour box takes the
  // focus, its text selected.
  void DatePicked();
  // Key filters of the date and time boxes; false for other controls.
  bool OnKeyPress(int controlId, int& keyAscii);
  void OnGotFocus(int controlId);
  void OnLostFocus(int controlId);

  // The watcher after a load: on whenever the alarm is ticked.
  void WatchFromLoad();
  // The watcher after a save: on only for a ticked alarm after the present minute.
  void WatchFromSave();
  bool Watching() const { return watching_; }
  // The alarm fields changed: the watcher looks again (colours the title,
  // fires, or sets the timer for the next minute that matters).
  void Recheck();
  void OnAlarmTimer();
  // The clock was set or the machine woke: an alarm minute passed meanwhile fires.
  void OnClockChanged();

  // "yyyymmddhhmm" of the local clock.
  std::string PresentStamp() const;

 private:
  void Ticked();
  void SetTime(int controlId, const std::string& text);
  void Look(bool clockMoved);
  void Fire();
  void NormaliseTimes();

  platform::Platform& platform_;
  const ProgramState& state_;
  NoteAlarm& alarm_;
  const std::string& title_;
  LazyControls& strip_;
  LazyControls& details_;
  DatePicker& picker_;
  AlarmOwner& owner_;
  platform::IForm* form_ = nullptr;
  bool watching_ = false;
  // The present stamp the watcher saw last: a clock that jumped past the
  // alarm minute since then still fires it.
  std::optional<std::string> lastSeen_;
  // Expires with this object: the firing yields to other events, which may
  // close the note.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace zlt::note
