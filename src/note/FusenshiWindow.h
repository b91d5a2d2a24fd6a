// One sticky note window ("frmFusenshi"): its file, load, save, cancel, close.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "note/Alarm.h"
#include "note/DatePicker.h"
#include "note/LazyControls.h"
#include "note/MemoFile.h"
#include "note/NoteFrame.h"
#include "note/NoteHost.h"
#include "note/SaveFailure.h"
#include "note/TitleEditing.h"
#include "platform/Form.h"
#include "platform/Platform.h"
#include "state/ProgramState.h"

namespace zlt::note {

// What cancel puts back: the values when the details view was opened.
struct RestoreCopy {
  std::string title;
  std::string details;
  std::string date;
  bool alarm = false;
  bool music = false;
  int hour = 0;
  int minute = 0;
  bool temae = false;
  bool toumei = false;
};

// "ＺＬＴ付箋紙プラグインNo." and the note number.
std::string NoteCaption(int number);

class FusenshiWindow final : public platform::IFormEvents, private AlarmOwner {
 public:
  FusenshiWindow(platform::Platform& platform, ProgramState& state, NoteHost& host);
  ~FusenshiWindow() override;
  FusenshiWindow(const FusenshiWindow&) = delete;
  FusenshiWindow& operator=(const FusenshiWindow&) = delete;

  // Creates the window and runs its load; the window stays hidden until Show.
  void Form_Load();
  // Shows the window without activating it.
  void ShowInactive();
  // Makes the shown window the active note, recorded as the note last
  // activated.
  void Activate();

  // Writes the note to its file when it has content, without closing. What
  // could not be written, or nullopt when the note is safe on disk (or empty).
  std::optional<SaveFailure> Form_QueryUnload();
  void Form_Activate();
  // Index 0 saves, index 1 cancels.
  void cmdSave_Click(int index);
  // Opens the details view (Shift + double click on the title).
  void OpenDetails();
  // One tick of the snap to the screen's edges.
  void FormMoveTimer_Timer() { frame_.FormMoveTimer_Timer(); }

  // What the controller reads of a note.
  platform::IForm& Form() { return *form_; }
  platform::WindowHandle Handle() const;
  std::string Caption() const;
  int NoteNumber() const { return number_; }
  const std::string& MemoPath() const { return memoPath_; }
  std::string LoadFileNameCaption() const;
  bool TemaeChecked() const;
  bool ToumeiChecked() const;
  void SetTemaeChecked(bool checked);
  void SetToumeiChecked(bool checked);
  bool DetailsOpen() const;
  bool HasContent() const;
  std::string Title() const;
  std::string Details() const;
  // One key of the note file; skipped while the note has no file yet (its
  // first save or close writes everything).
  void WriteKey(std::string_view key, std::string_view value);
  // Expires when the window object is destroyed: code that let events run
  // checks it before touching the note again.
  std::weak_ptr<const bool> AliveToken() const { return alive_; }

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

 private:
  // Everything of the file but the place and the title, which the window is made with.
  void LoadFromFile(const MemoFileValues& values);
  // The note as its file holds it, Left as given.
  MemoFileContent NoteContent(float left) const;
  // Writes the whole note, to a new file name when it has none yet; the note
  // takes that name only once it is written.
  std::optional<SaveFailure> WriteNote(float left);
  // "保存": writes the note, or says why it could not. True when written.
  bool SaveFromDetails();
  void CollapseAndApplyOptions();
  void SetAlarmChecked(bool checked);  // runs AlmCheck_Click when the value changes
  // Resizing remakes the outline.
  void SetBounds(const platform::TwipsRect& bounds);
  void ShowDetailsFrame();
  // AlarmOwner
  void OpenDetailsForAlarm() override;
  void KeepAlarmRestoreCopy() override;
  void ShownByAlarm() override { host_.NoteShown(); }

  platform::Platform& platform_;
  ProgramState& state_;
  NoteHost& host_;
  std::unique_ptr<platform::IForm> form_;
  LazyControls strip_;
  LazyControls details_;
  NoteFrame frame_;
  TitleEditing title_;
  DatePicker picker_;
  Alarm alarm_;
  std::shared_ptr<const bool> alive_ = std::make_shared<const bool>(true);
  int number_ = 0;
  std::string memoPath_;
  bool fileUtf16_ = false;  // the note's file is UTF-16 and stays so
  RestoreCopy restore_;
  platform::TwipsRect lastSize_{};
};

}  // namespace zlt::note
