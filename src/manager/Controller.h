// The hidden controller window: owns the note windows, the note
// list and the popup menu, runs every command on one note or on all notes and
// doubles as the information window.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "manager/ArrangePositions.h"
#include "manager/InformationWindow.h"
#include "manager/NoteList.h"
#include "manager/NoteMenu.h"
#include "manager/SnapTick.h"
#include "note/NoteHost.h"
#include "note/NoteWindow.h"
#include "platform/Platform.h"
#include "state/ProgramState.h"

namespace zlt::manager {

class Controller final : public platform::IFormEvents, public note::NoteHost {
 public:
  static constexpr std::string_view kCaption = "ZLT付箋紙プラグイン";

  // Ends the process: the owner removes the hook first.
  using EndProgram = std::function<void()>;

  Controller(platform::Platform& platform, ProgramState& state, EndProgram endProgram,
             std::string_view caption = kCaption);
  ~Controller() override;
  Controller(const Controller&) = delete;
  Controller& operator=(const Controller&) = delete;

  platform::IForm& Form() { return *form_; }
  platform::IPopupMenu& NoteMenu() { return *menu_; }

  // "/*" at start-up: opens every note of the list, each shown without
  // activation, the first one ending active. False when the list is empty.
  bool OpenAllNotes();
  void NewNote();
  void ShowHidden();
  // A forwarded "/*": opens every note file of the list that has no window,
  // in list order; hidden notes stay hidden.
  void OpenMissingNotes();
  void ShowInformation();
  // The information window as the "/S" switch shows it.
  void ShowInformationAtStart();

  // Hide, close and delete.
  void HideThisNote();
  void HideAllNotes();
  void CloseThisNote();
  void CloseAllNotes();
  void DeleteThisNote();
  void DeleteAllNotes();

  // Lines every note up in one column, hidden ones too.
  void Arrange(ArrangeMode mode);

  // Always in front and translucency, for this note or for every note.
  void ToggleInFront();
  void ToggleTranslucent();
  // Every note, hidden ones and those made later too.
  void SetEveryNoteInFront(bool front);
  void SetEveryNoteTranslucent(bool translucent);

  // Snap to the screen edges: the menu item's check mark is the option.
  void ToggleSnap();
  bool SnapOn() const;
  // Starts or stops the shared snap tick after notes were shown or hidden.
  void UpdateSnapTick();

  // Runs a menu command by its item.
  void RunMenuCommand(MenuItem item);

  // One of this program's notes by its window handle, or nullptr.
  note::NoteWindow* NoteByHandle(platform::WindowHandle window);
  // The note last activated or pressed, which the one-note commands act on;
  // nullptr once it has closed.
  note::NoteWindow* ThisNote() { return NoteNumbered(thisNote_); }

  // The note windows in the order they were loaded.
  const std::vector<std::unique_ptr<note::NoteWindow>>& Notes() const { return notes_; }

  // NoteHost
  void RecordThisNote(note::NoteWindow& note) override { thisNote_ = note.NoteNumber(); }
  void ShowNoteMenu(note::NoteWindow& note) override;
  void ReassertFrontNotes() override;
  void NoteShown() override { UpdateSnapTick(); }
  bool CloseNote(note::NoteWindow& note) override;
  bool PlaceTaken(const note::NotePlace& place, const note::NoteWindow& asking) override;

  // IFormEvents of the controller window
  void OnClick(int controlId) override;
  long OnCloseRequest() override;
  void OnCopyData(std::string_view bytes) override;
  void OnTimer(int timerId) override;

  // The forwarded-command receiver installed by the start-up code.
  void SetCopyDataHandler(std::function<void(std::string_view)> handler);

 private:
  void CentreOnScreen();
  // Every note writes its file; what could not be written.
  std::vector<note::SaveFailure> SaveAllNotes();
  // Tells the user which notes a command could not write; they stay open.
  void ReportUnsaved(const std::vector<note::SaveFailure>& failures);
  void ReportUnsaved(std::optional<note::SaveFailure> failure);
  // Creates one note window and shows it without activation; nullptr when
  // the window system refused it (noteRefused_ says so).
  note::NoteWindow* CreateNote(note::LoadMode mode, const std::string& path = {});
  // Tells the user once that the window system refused a note window.
  void ReportRefused();
  note::NoteWindow* NoteNumbered(int number);
  // The full path of entry index of the note list.
  std::string ListedPath(int index) const;
  bool HasWindowFor(const std::string& path) const;
  enum class Activating { First, Last };
  // Opens every note file of the list that has no window yet, in list order,
  // until the window system refuses one; the first or the last opened ends
  // active.
  void OpenListedWithoutWindow(Activating activating);
  enum class CloseFor { Keeping, Deleting };
  // Closes one note: it writes itself first, and one that cannot stays open
  // (the user is told) unless it closes to be deleted. The file it has after
  // that write ("" when none), or nullopt when it stayed open.
  std::optional<std::string> Close(note::NoteWindow& note, CloseFor purpose);

  platform::Platform& platform_;
  ProgramState& state_;
  EndProgram endProgram_;
  std::unique_ptr<platform::IForm> form_;
  std::unique_ptr<platform::IPopupMenu> menu_;
  std::unique_ptr<InformationWindow> information_;
  NoteList list_;
  std::vector<std::unique_ptr<note::NoteWindow>> notes_;
  SnapTick snapTick_;
  std::function<void(std::string_view)> copyDataHandler_;
  int thisNote_ = 0;          // number of the note last activated or pressed
  bool noteRefused_ = false;  // the window system refused a note window
};

}  // namespace zlt::manager
