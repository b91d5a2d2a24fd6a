// The hidden controller window ("frmFusen"): owns the note windows, the note
// list and the popup menu, runs every command on one note or on all notes and
// doubles as the information window.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "manager/FusenMenu.h"
#include "manager/InformationWindow.h"
#include "manager/NoteList.h"
#include "manager/SnapTick.h"
#include "note/FusenshiWindow.h"
#include "note/NoteHost.h"
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
  platform::IPopupMenu& FusenMenu() { return *menu_; }

  // Public members the notes and the commands share.
  std::string FrmObject;
  std::string FrmTitle;
  long rc = 0;

  bool MemoListLoad();
  void NewMemo_Click() override;
  void ReView_Click();
  // A forwarded "/*": opens every note file of the list that has no window,
  // in list order; hidden notes stay hidden.
  void OpenMissingMemos();
  void PluginInfo_Click();
  // The information window as the "/S" switch shows it.
  void ShowInformation();

  // Hide, close and delete.
  void MemoShade_Click();
  void AllMemoShade_Click();
  void MemoClose_Click() override;
  bool ClosingToDelete() const override { return closingToDelete_; }
  void AllMemoClose_Click();
  void MemoDelete_Click();
  void AllMemoDelete_Click();

  // Arrange: index 0..6 of the FusenshiSeiretsu items.
  void FusenshiSeiretsu_Click(int index);

  // Always in front and translucency, for this note or for every note.
  void TemaeView_Click();
  void Toumei_Click();
  void AllTemaeView_Click();
  void AllTemaeViewOff_Click();
  void AllToumei_Click();
  void AllToumeiOff_Click();

  // Snap to the screen edges: the menu item's check mark is the option.
  void Kyuchaku_Click();
  bool KyuchakuChecked() const;
  // Starts or stops the shared snap tick after notes were shown or hidden.
  void UpdateSnapTick();

  // Runs a menu command by its item.
  void RunMenuCommand(MenuItem item);

  // One of this program's notes by its window handle, or nullptr.
  note::FusenshiWindow* NoteByHandle(platform::WindowHandle window);

  // The note windows in the order they were loaded.
  const std::vector<std::unique_ptr<note::FusenshiWindow>>& Notes() const { return notes_; }

  // NoteHost
  const std::string& NoteListPath() const override { return list_.Path(); }
  int NoteListCount() const override { return list_.ListCount(); }
  std::string NoteListFileName(int index) const override { return list_.FileName(index); }
  void RecordThisNote(std::string_view caption, std::string_view title) override;
  void SetTemaeViewChecked(bool checked) override;
  bool TemaeViewChecked() const override;
  void SetToumeiChecked(bool checked) override;
  bool ToumeiChecked() const override;
  void ShowFusenMenu(platform::IForm& owner) override;
  void ReassertFrontNotes() override;
  void NoteShown() override { UpdateSnapTick(); }
  void NoteClosed(note::FusenshiWindow& note, std::string_view path) override;

  // IFormEvents of the controller window
  void OnClick(int controlId) override;
  long OnCloseRequest() override;
  void OnCopyData(std::string_view bytes) override;
  void OnTimer(int timerId) override;

  // The forwarded-command receiver installed by the start-up code.
  void SetCopyDataHandler(std::function<void(std::string_view)> handler);

 private:
  void Form_Load();
  // Every note writes its file; what could not be written.
  std::vector<note::SaveFailure> SaveAllNotes();
  // Tells the user which notes a command could not write; they stay open.
  void ReportUnsaved(const std::vector<note::SaveFailure>& failures);
  void ReportUnsaved(std::optional<note::SaveFailure> failure);
  // Creates one note, or every note of the start-up chain, each shown without
  // activation; returns the first one created (nullptr: none could be).
  note::FusenshiWindow* CreateNotes();
  // Creates one note window; nullptr when the window system refused it.
  note::FusenshiWindow* CreateNote();
  note::FusenshiWindow* OwnNoteByCaption(std::string_view caption);
  void SetEveryNoteInFront(bool front);
  void SetEveryNoteTranslucent(bool translucent);
  bool HasWindowFor(const std::string& path) const;
  // Sends WM_CLOSE to a note; true when a note of ours closed.
  bool CloseNoteWindow(platform::WindowHandle window);

  platform::Platform& platform_;
  ProgramState& state_;
  EndProgram endProgram_;
  std::unique_ptr<platform::IForm> form_;
  std::unique_ptr<platform::IPopupMenu> menu_;
  std::unique_ptr<InformationWindow> information_;
  NoteList list_;
  std::vector<std::unique_ptr<note::FusenshiWindow>> notes_;
  SnapTick snapTick_;
  std::function<void(std::string_view)> copyDataHandler_;
  bool creatingNotes_ = false;
  bool nextNoteWanted_ = false;
  // While re-view opens notes: their activation waits for the last of them.
  bool reviewing_ = false;
  note::FusenshiWindow* lastCreated_ = nullptr;
  bool noteRefused_ = false;  // the window system refused a note window
  bool closeCommandRunning_ = false;
  bool closingToDelete_ = false;
  std::optional<std::string> closedNotePath_;
};

}  // namespace zlt::manager
