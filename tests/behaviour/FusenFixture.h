// Runs the real program on the sim desktop, the way the host and the user do:
// processes started with a switch, notes clicked and typed into, files on disk.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "manager/Controller.h"
#include "note/NoteLayout.h"
#include "platform/sim/SimDesktop.h"
#include "startup/Program.h"
#include "state/ProgramState.h"

namespace zlt::test {

// One program process on the desktop.
struct Running {
  std::unique_ptr<sim::Instance> instance;
  std::unique_ptr<Program> program;

  bool Ended() const { return instance->Ended(); }
  ProgramState& State() { return program->State(); }
  manager::Controller& Controller() { return *program->NoteController(); }
  // The number of the note the one-note commands act on; 0: none.
  int ThisNoteNumber() {
    return Controller().ThisNote() ? Controller().ThisNote()->NoteNumber() : 0;
  }
  // The controller's window: it holds the one snap tick of every note.
  sim::SimForm& ControllerForm() { return static_cast<sim::SimForm&>(Controller().Form()); }
  // The model of the note with this number; fails the test when there is none.
  const note::NoteModel& Model(int number);
};

class FusenTest : public ::testing::Test {
 protected:
  FusenTest();
  // A desktop of another size or with other monitors.
  explicit FusenTest(sim::DesktopConfig config);
  ~FusenTest() override;

  // Starts ZLTFusen with this command line and runs its start-up.
  Running& Start(const std::string& commandLine, std::string appFolder = "C:\\Apps\\ZLTFusen",
                 std::optional<std::string> userName = "taro");

  // Starts with "/*" on a folder of WriteNotes' notes.
  Running& StartWithNotes(int count, int temae = 0, int toumei = 0) {
    WriteNotes(count, temae, toumei);
    return Start("/*");
  }
  // Starts with "/*" on a folder holding one note file of these bytes: its note.
  sim::SimForm& StartWithNote(const std::string& bytes) {
    WriteNoteFile("0.txt", bytes);
    Start("/*");
    return MustNote(1);
  }

  // Runs on every process's files before its start-up: a disk's troubles.
  std::function<void(sim::SimFileSystem&)> prepareFiles_;

  // Ends a process the way a logoff would: no handler runs.
  void Stop(Running& run) { run.program.reset(), run.instance.reset(); }
  void StopAll() {
    for (auto& run : processes_) Stop(*run);
    processes_.clear();
  }
  // A process of another program on the same desktop and disk.
  std::unique_ptr<sim::Instance> OtherProgram();

  // The data folder of the default start, on the host.
  std::filesystem::path DataDir() const { return root_ / "Apps" / "ZLTFusen" / "taro"; }
  std::string DataFolder() const { return "C:\\Apps\\ZLTFusen\\taro"; }
  // The host file a Windows path of the default start stands for.
  std::filesystem::path Host(const std::string& windowsPath) const {
    return posix::PosixFileSystem(root_.string()).HostPath(windowsPath).value_or("");
  }
  void WriteNoteFile(const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(DataDir());
    std::ofstream(DataDir() / name, std::ios::binary) << bytes;
  }
  // Notes "note0"... in 0.txt... at 9000 twips, 600 apart down the screen.
  void WriteNotes(int count, int temae = 0, int toumei = 0);
  std::string ReadNoteFile(const std::string& name) const {
    std::ifstream in(DataDir() / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // The value of key in a note file ("(none)" when missing).
  std::string StoredValue(const std::string& name, const std::string& key) const;
  bool FileHas(const std::string& name, const std::string& part) const {
    return ReadNoteFile(name).find(part) != std::string::npos;
  }
  bool NoteFileExists(const std::string& name) const {
    return std::filesystem::exists(DataDir() / name);
  }
  std::vector<std::string> NoteFiles() const;  // sorted

  sim::SimForm* Note(int number) { return desktop_.FindForm(note::NoteCaption(number)); }
  sim::SimForm& MustNote(int number);
  std::string TitleOf(int number) { return MustNote(number).Control(note::TitleBox).Text(); }
  static bool DetailsOpen(sim::SimForm& note) {
    return note.HasControl(note::DetailsFrame) && note.Control(note::DetailsFrame).Visible();
  }
  // A note as the user sees it, in words: "shown" or "hidden", then "front" when kept in front,
  // "layered" and "alpha=N" when see-through, "details" when open, and the option boxes ticked.
  static std::string Looks(sim::SimForm& note);

  // What a user does to a note.
  void TypeTitle(sim::SimForm& note, const std::string& title) {
    desktop_.Type(note, note::TitleBox, title);
  }
  void TypeDetails(sim::SimForm& note, const std::string& details) {
    desktop_.Type(note, note::DetailsBox, details);
  }
  void Save(sim::SimForm& note) { desktop_.Click(note, note::SaveButton); }
  void Cancel(sim::SimForm& note) { desktop_.Click(note, note::CancelButton); }
  void RightPress(sim::SimForm& note) {
    desktop_.MouseDown(note, note::TabLabel, {platform::mouse::kRight, 0, 30, 30});
  }
  // A press on the note's tab with the cursor over it.
  void PressTab(sim::SimForm& note, int buttons, int shift = 0);
  // Screen points over the tab and over the title box of a collapsed note.
  static platform::PixelPoint TabPoint(const sim::SimForm& note) {
    return {note.RectPx().left + 8, note.RectPx().top + 16};
  }
  static platform::PixelPoint TitlePoint(const sim::SimForm& note) {
    return {note.RectPx().left + 100, note.RectPx().top + 16};
  }
  // Another program's window, shown at this screen rectangle: on top of the
  // normal windows, beneath notes kept in front.
  sim::SimForm& WindowBeneath(const platform::PixelRect& rect);
  void ShiftDoubleClickTitle(sim::SimForm& note);
  // Opens the menu on note and chooses item.
  void Choose(sim::SimForm& note, manager::MenuItem item) {
    desktop_.ChooseNextMenuItem(manager::MenuId(item));
    RightPress(note);
  }
  // Chooses item on note and gives this answer to its question.
  void Choose(sim::SimForm& note, manager::MenuItem item, platform::Answer answer) {
    desktop_.AnswerNextMessageBox(answer);
    Choose(note, item);
  }
  // The check mark of item in the menu shown last.
  bool MenuChecked(manager::MenuItem item);
  // The presses and clicks injected events made, oldest first, as "click on <caption>".
  std::vector<std::string> Delivered();

  std::filesystem::path root_;
  sim::Desktop desktop_;
  int foreignWindows_ = 0;
  std::vector<std::unique_ptr<Running>> processes_;

  // The note windows from the top of the z-order down as the user sees them: "number title",
  // then " hidden" or " open" (details shown), joined by ", ".
  std::string NotesTopFirst();
};

// Code page 932 bytes of a UTF-8 text.
std::string Sjis(const std::string& utf8);

// The settings file with this snap value, as the program writes it.
std::string SettingsBytes(const std::string& kyuchaku);

// A note file's text as the program writes it, before encoding.
std::string NoteText(const std::string& title, int left, int top, const std::string& details = "",
                     int temae = 0, int toumei = 0);
// A note file as the program writes it (code page 932).
std::string NoteBytes(const std::string& title, int left, int top, const std::string& details = "",
                      int temae = 0, int toumei = 0);

}  // namespace zlt::test
