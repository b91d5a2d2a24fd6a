// Runs the real program on the sim desktop, the way the host and the user do:
// processes started with a switch, notes clicked and typed into, files on disk.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "manager/Controller.h"
#include "note/NoteLayout.h"
#include "platform/Cp932.h"
#include "platform/sim/SimDesktop.h"
#include "startup/Program.h"
#include "state/ProgramState.h"

namespace zlt::test {

using manager::MenuItem;
using platform::PixelRect;
using platform::TwipsRect;
using namespace std::chrono_literals;

// One program process on the desktop.
struct Running {
  std::unique_ptr<sim::Instance> instance;
  std::unique_ptr<Program> program;

  bool Ended() const { return instance->Ended(); }
  ProgramState& State() { return program->State(); }
  manager::Controller& Controller() { return *program->NoteController(); }
  // The controller's window: it holds the one snap tick of every note.
  sim::SimForm& ControllerForm() { return static_cast<sim::SimForm&>(Controller().Form()); }
  // The model of the note with this number; fails the test when there is none.
  const note::NoteModel& Model(int number) {
    for (const auto& note : Controller().Notes())
      if (note->NoteNumber() == number) return note->Model();
    throw std::runtime_error("no note No." + std::to_string(number));
  }
};

// Code page 932 bytes of a UTF-8 text.
inline std::string Sjis(const std::string& utf8) { return platform::Utf8ToCp932(utf8); }

// A note file's text as the program writes it, before encoding.
inline std::string NoteText(const std::string& title, int left, int top,
                            const std::string& details = "", int temae = 0, int toumei = 0) {
  return "[ZLT付箋紙プラグイン]\r\nAlarm=0\r\nAlarmMusic=0\r\nDate=0000/00/00\r\nTime0=00\r\n"
         "Time1=00\r\nLeft=" +
         std::to_string(left) + "\r\nTop=" + std::to_string(top) +
         "\r\nTemae=" + std::to_string(temae) + "\r\nToumei=" + std::to_string(toumei) +
         "\r\nTitle=" + title + "\r\ntxtData=" + details + "\r\n";
}
// A note file as the program writes it (code page 932).
inline std::string NoteBytes(const std::string& title, int left, int top,
                             const std::string& details = "", int temae = 0, int toumei = 0) {
  return Sjis(NoteText(title, left, top, details, temae, toumei));
}

// A note file with its alarm set, due at date, hour:minute.
inline std::string AlarmNote(const std::string& title, const std::string& date,
                             const std::string& hour, const std::string& minute, int music = 0,
                             int left = 9000, int temae = 0, int toumei = 0) {
  const std::string off = "Alarm=0\r\nAlarmMusic=0\r\nDate=0000/00/00\r\nTime0=00\r\nTime1=00\r\n";
  auto text = NoteText(title, left, 600, "", temae, toumei);
  return Sjis(text.replace(text.find(off), off.size(),
                           "Alarm=1\r\nAlarmMusic=" + std::to_string(music) + "\r\nDate=" + date +
                               "\r\nTime0=" + hour + "\r\nTime1=" + minute + "\r\n"));
}

class FusenTest : public ::testing::Test {
 protected:
  // A desktop of another size or with other monitors.
  explicit FusenTest(sim::DesktopConfig config = {}) : desktop_(std::move(config)) {
    static std::atomic<int> counter{0};
    root_ = std::filesystem::temp_directory_path() /
            ("zlt-behaviour-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_ / "Apps" / "ZLTFusen");
  }
  ~FusenTest() override {
    StopAll();
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  // Starts ZLTFusen with this command line and runs its start-up.
  Running& Start(const std::string& commandLine, std::string appFolder = "C:\\Apps\\ZLTFusen",
                 std::optional<std::string> userName = "taro") {
    auto* run = processes_.emplace_back(std::make_unique<Running>()).get();
    run->instance = std::make_unique<sim::Instance>(
        desktop_, sim::Instance::Config{.appFolder = std::move(appFolder),
                                        .userName = std::move(userName),
                                        .commandLine = commandLine,
                                        .hostRoot = root_.string()});
    run->program = std::make_unique<Program>(run->instance->Platform());
    if (prepareFiles_) prepareFiles_(run->instance->Files());
    run->instance->OnEnded([run] { run->program.reset(); });
    run->instance->RunAsProcess([run] { run->program->Main(); });
    return *run;
  }
  // Starts with this command line on a folder holding these note files as 0.txt, 1.txt...
  Running& StartWith(const std::vector<std::string>& files, const std::string& line = "/*") {
    for (std::size_t i = 0; i < files.size(); ++i)
      WriteNoteFile(std::to_string(i) + ".txt", files[i]);
    return Start(line);
  }
  // Starts on notes "note0"... at 9000 twips, 600 apart down the screen.
  Running& StartWithNotes(int count, int temae = 0, int toumei = 0,
                          const std::string& line = "/*") {
    std::vector<std::string> files;
    for (int i = 0; i < count; ++i)
      files.push_back(NoteBytes("note" + std::to_string(i), 9000, 600 * i, "", temae, toumei));
    return StartWith(files, line);
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
  std::unique_ptr<sim::Instance> OtherProgram() {
    return std::make_unique<sim::Instance>(
        desktop_, sim::Instance::Config{.commandLine = "", .hostRoot = root_.string()});
  }

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
  // A file's bytes: a name in the data folder or a host path.
  std::string ReadNoteFile(const std::filesystem::path& name) const {
    std::ifstream in(name.is_absolute() ? name : DataDir() / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // The value of key in a note file ("(none)" when missing).
  std::string StoredValue(const std::string& name, const std::string& key) const {
    const auto bytes = ReadNoteFile(name);
    const auto at = bytes.find("\n" + key + "=");
    if (at == std::string::npos) return "(none)";
    const auto begin = at + key.size() + 2;
    return bytes.substr(begin, bytes.find("\r\n", begin) - begin);
  }
  bool FileHas(const std::string& name, const std::string& part) const {
    return ReadNoteFile(name).find(part) != std::string::npos;
  }
  // The data folder's note files as "0.txt 1.txt", sorted, or "none"; with ext empty, every file.
  std::string NoteFiles(const std::string& ext = ".txt") const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(DataDir()))
      if (ext.empty() || entry.path().extension() == ext)
        names.insert(entry.path().filename().string());
    std::string text;
    for (const auto& name : names) text += (text.empty() ? "" : " ") + name;
    return text.empty() ? "none" : text;
  }

  sim::SimForm* Note(int number) { return desktop_.FindForm(note::NoteCaption(number)); }
  sim::SimForm& MustNote(int number) {
    if (Note(number) == nullptr) throw std::runtime_error("no note No." + std::to_string(number));
    return *Note(number);
  }
  static bool DetailsOpen(sim::SimForm& note) {
    return note.HasControl(note::DetailsFrame) && note.Control(note::DetailsFrame).Visible();
  }
  // A note as the user sees it, in words: "shown" or "hidden", then "front" when kept in front,
  // "layered" and "alpha=N" when see-through, "details" when open, and the option boxes ticked.
  static std::string Looks(sim::SimForm& note) {
    std::string words = note.Visible() ? "shown" : "hidden";
    if (note.Topmost()) words += " front";
    if (note.Layered()) words += " layered";
    if (note.Alpha()) words += " alpha=" + std::to_string(*note.Alpha());
    if (DetailsOpen(note)) words += " details";
    for (const auto& [box, word] : {std::pair{note::InFrontCheck, " [front]"},
                                    std::pair{note::TranslucentCheck, " [translucent]"}})
      if (note.HasControl(box) && note.Control(box).Checked()) words += word;
    return words;
  }
  // The note windows from the top of the z-order down as the user sees them: "number title",
  // then " hidden" or " open" (details shown), joined by ", ".
  std::string NotesTopFirst() {
    std::string prefix = note::NoteCaption(0);
    prefix.pop_back();
    std::string shown;
    for (auto* form : desktop_.ZOrder()) {
      const std::string caption = form->Caption();
      if (!caption.starts_with(prefix)) continue;
      shown += (shown.empty() ? "" : ", ") + caption.substr(prefix.size()) + " " +
               form->Control(note::TitleBox).Text() + (form->Visible() ? "" : " hidden") +
               (DetailsOpen(*form) ? " open" : "");
    }
    return shown;
  }

  // What a user does to a note.
  void TypeTitle(sim::SimForm& note, const std::string& title) {
    desktop_.Type(note, note::TitleBox, title);
  }
  // Types into the details, opening them first as the user does: shift and a double click on
  // the title.
  void TypeDetails(sim::SimForm& note, const std::string& details) {
    if (!DetailsOpen(note)) ShiftDoubleClickTitle(note);
    desktop_.Type(note, note::DetailsBox, details);
  }
  // Clicks these controls of the note in turn.
  void Click(sim::SimForm& note, std::initializer_list<int> ids) {
    for (int id : ids) desktop_.Click(note, id);
  }
  void Save(sim::SimForm& note) { desktop_.Click(note, note::SaveButton); }
  void Cancel(sim::SimForm& note) { desktop_.Click(note, note::CancelButton); }
  void RightPress(sim::SimForm& note) {
    desktop_.MouseDown(note, note::TabLabel, {platform::mouse::kRight, 0, 30, 30});
  }
  // A press on the note's tab with the cursor over it.
  void PressTab(sim::SimForm& note, int buttons, int shift = 0) {
    desktop_.SetCursor({note.RectPx().left + 8, note.RectPx().top + 16});
    desktop_.MouseDown(note, note::TabLabel, platform::MouseDown{buttons, shift, 120, 240});
  }
  // Another program's window, shown at this screen rectangle: on top of the
  // normal windows, beneath notes kept in front.
  sim::SimForm& WindowBeneath(const platform::PixelRect& rect) {
    return desktop_.OpenForeignWindow(
        {.caption = "beneath " + std::to_string(++foreignWindows_),
         .bounds = {rect.left * 15, rect.top * 15, (rect.right - rect.left) * 15,
                    (rect.bottom - rect.top) * 15},
         .backColour = std::nullopt});
  }
  void ShiftDoubleClickTitle(sim::SimForm& note) {
    desktop_.SetShift(true);
    desktop_.DblClick(note, note::TitleBox);
    desktop_.SetShift(false);
  }
  // Opens the menu on note and chooses item, giving this answer to its question.
  void Choose(sim::SimForm& note, manager::MenuItem item,
              std::optional<platform::Answer> answer = std::nullopt) {
    if (answer) desktop_.AnswerNextMessageBox(*answer);
    desktop_.ChooseNextMenuItem(manager::MenuId(item));
    RightPress(note);
  }
  // The check mark of item in the menu shown last.
  bool MenuChecked(manager::MenuItem item) {
    for (const auto& shown : desktop_.Menus().at(desktop_.Menus().size() - 1).items)
      if (shown.id == manager::MenuId(item)) return shown.checked;
    throw std::runtime_error("no such menu item");
  }
  // The presses and clicks injected events made, oldest first, as "click on <caption>".
  std::vector<std::string> Delivered() {
    std::vector<std::string> delivered;
    for (const auto& delivery : desktop_.MouseDeliveries()) {
      auto* form = desktop_.FormFromHandle(delivery.window);
      delivered.push_back(delivery.what + " on " + (form ? form->Caption() : "?"));
    }
    return delivered;
  }

  std::filesystem::path root_;
  sim::Desktop desktop_;
  int foreignWindows_ = 0;
  std::vector<std::unique_ptr<Running>> processes_;
};

}  // namespace zlt::test
