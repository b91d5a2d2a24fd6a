// One sticky note window: its file, load, save, cancel, close.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "note/Alarm.h"
#include "note/DatePicker.h"
#include "note/LazyControls.h"
#include "note/NoteFile.h"
#include "note/NoteFrame.h"
#include "note/NoteHost.h"
#include "note/NoteLayout.h"
#include "note/NoteModel.h"
#include "note/SaveFailure.h"
#include "note/TitleEditing.h"
#include "platform/Form.h"
#include "platform/Platform.h"
#include "state/ProgramState.h"

namespace zlt::note {

// How a note window comes to be: empty, from the note list at start-up (the
// note it reads becomes the one last loaded), or reopened from the list by
// show-hidden or a forwarded restore.
enum class LoadMode { New, Listed, Reopened };

// "ＺＬＴ付箋紙プラグインNo." and the note number.
std::string NoteCaption(int number);

class NoteWindow final : public platform::IFormEvents,
                         private AlarmOwner,
                         private TitleOwner,
                         private FrameOwner {
 public:
  NoteWindow(platform::Platform& platform, ProgramState& state, NoteHost& host);
  ~NoteWindow() override;
  NoteWindow(const NoteWindow&) = delete;
  NoteWindow& operator=(const NoteWindow&) = delete;

  // Takes the next note number, reads the note file at path (Listed,
  // Reopened) and creates the window, which stays hidden until shown. A new
  // note opens its details view. Throws when the window system refuses the
  // window.
  void Load(LoadMode mode, const std::string& path = {});
  // Shows the window without activating it.
  void ShowInactive();
  // Makes the shown window the active note, recorded as the note last
  // activated.
  void Activate();

  // Writes the note to its file when it has content, without closing. What
  // could not be written, or nullopt when the note is safe on disk (or empty).
  std::optional<SaveFailure> SaveToFile();
  // "保存" and "ｷｬﾝｾﾙ" of the details view.
  void Save() override;
  void Cancel();
  // Opens the details view (Shift + double click on the title).
  void OpenDetails() override;
  // One tick of the snap to the screen's edges.
  void SnapToMonitor() { frame_.SnapToMonitor(); }

  // The display options, from the menu's commands: the window, the note's
  // options and its details' check boxes all take the new value.
  void SetInFront(bool front);
  void SetTranslucent(bool translucent);
  // A note kept always in front goes to the top layer again.
  void KeepInFront();
  // The firing's details are open and hold the note above the others.
  bool RaisedByAlarm() const { return raisedByAlarm_; }

  // What the controller reads of a note.
  platform::IForm& Form() override { return *form_; }
  // Where the window stands collapsed, or would once its details close.
  NotePlace Place() const;
  const NoteModel& Model() const { return model_; }
  platform::WindowHandle Handle() const;
  int NoteNumber() const { return number_; }
  bool DetailsOpen() const override;

  // IFormEvents
  void OnMouseDown(int controlId, const platform::MouseDown& press) override;
  void OnDblClick(int controlId) override;
  void OnClick(int controlId) override;
  void OnKeyDown(int controlId, int keyCode, int shift) override;
  void OnChange(int controlId) override;
  void OnKeyPress(int controlId, int& keyAscii) override;
  void OnGotFocus(int controlId) override;
  void OnLostFocus(int controlId) override;
  void OnTimer(int timerId) override;
  void OnClockChanged() override;
  void OnActivate() override;
  long OnCloseRequest() override;
  void OnEndSession() override;
  void OnScaleChanged() override;

 private:
  // The Top a new note opens at: below notes it would otherwise cover.
  platform::Twips FreeTop(const platform::TwipsRect& open);
  // Shows what the model read from its file; the title and the place went
  // into the window as it was made.
  void ShowLoaded(bool hasDetails);
  // The collapsed place the window stands at now, kept in the model before
  // every whole write.
  void TakePlaceFromWindow();
  // Writes the whole note, to a new file name when it has none yet; the note
  // takes that name only once it is written.
  std::optional<SaveFailure> WriteNote();
  // "保存": writes the note, or says why it could not. True when written.
  bool SaveFromDetails();
  void CollapseAndApplyOptions();
  // One key of the note file, text in its form for a key written alone;
  // skipped while the note has no file yet (its first save or close writes
  // everything). A file the key turns UTF-16 keeps the note UTF-16.
  void WriteKey(NoteKey key, std::string_view text);
  // Resizing remakes the outline.
  void SetBounds(const platform::TwipsRect& bounds);
  // Left and Top as the screen measures them, width and height in twips at
  // the window's own scale: the note's sizes are the same on every monitor.
  platform::TwipsRect OwnBounds() const;
  void SetOwnBounds(const platform::TwipsRect& own);
  // How far left the details view stands, as the screen measures it.
  platform::Twips DetailsShift() const { return form_->Scale().ShiftX(layout::kDetailsShift); }
  void ShowDetailsFrame();
  // AlarmOwner
  void OpenDetailsForAlarm() override;
  void KeepCancelCopy() override;
  void ShownByAlarm() override;
  // TitleOwner
  void PassClickThrough(int clicks) override { frame_.PassThrough(clicks); }
  // FrameOwner
  void Pressed() override;
  void OpenMenu() override;
  void MovedByUser() override;
  std::weak_ptr<const bool> AliveToken() const override { return alive_; }

  platform::Platform& platform_;
  ProgramState& state_;
  NoteHost& host_;
  NoteModel model_;
  // What Cancel puts back: the shown values when the details view last opened
  // or the alarm last fired.
  ShownValues cancelCopy_;
  std::unique_ptr<platform::IForm> form_;
  LazyControls strip_;
  LazyControls details_;
  NoteFrame frame_;
  TitleEditing title_;
  DatePicker picker_;
  Alarm alarm_;
  std::shared_ptr<const bool> alive_ = std::make_shared<const bool>(true);
  int number_ = 0;
  // Raised above every window, front notes included, by its alarm until its
  // details close: the window's, not the note's, so no option or file changes.
  bool raisedByAlarm_ = false;
  platform::TwipsRect lastSize_{};
  // The size the note last gave itself, in its own twips: what it keeps when
  // it moves to a monitor of another scale.
  platform::Twips ownWidth_ = layout::kCollapsedWidth;
  platform::Twips ownHeight_ = layout::kCollapsedHeight;
};

}  // namespace zlt::note
