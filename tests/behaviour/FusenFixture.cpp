#include "FusenFixture.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>

#include "platform/Cp932.h"

namespace zlt::test {

const note::NoteModel& Running::Model(int number) {
  for (const auto& note : Controller().Notes()) {
    if (note->NoteNumber() == number) return note->Model();
  }
  ADD_FAILURE() << "no note number " << number;
  static const note::NoteModel kNone;
  return kNone;
}

namespace fs = std::filesystem;

namespace {

fs::path MakeRoot() {
  static std::atomic<int> counter{0};
  auto root = fs::temp_directory_path() /
              ("zlt-behaviour-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  fs::remove_all(root);
  fs::create_directories(root / "Apps" / "ZLTFusen");
  return root;
}

}  // namespace

FusenTest::FusenTest() : root_(MakeRoot()) {}
FusenTest::FusenTest(sim::DesktopConfig config) : root_(MakeRoot()), desktop_(std::move(config)) {}

FusenTest::~FusenTest() {
  StopAll();
  std::error_code ignored;
  fs::remove_all(root_, ignored);
}

Running& FusenTest::Start(const std::string& commandLine, std::string appFolder,
                          std::optional<std::string> userName) {
  auto running = std::make_unique<Running>();
  sim::Instance::Config config;
  config.appFolder = std::move(appFolder);
  config.userName = std::move(userName);
  config.commandLine = commandLine;
  config.hostRoot = root_.string();
  running->instance = std::make_unique<sim::Instance>(desktop_, config);
  running->program = std::make_unique<Program>(running->instance->Platform());
  auto* raw = running.get();
  if (prepareFiles_) prepareFiles_(raw->instance->Files());
  raw->instance->OnEnded([raw] { raw->program.reset(); });
  raw->instance->RunAsProcess([raw] { raw->program->Main(); });
  processes_.push_back(std::move(running));
  return *raw;
}

std::unique_ptr<sim::Instance> FusenTest::OtherProgram() {
  sim::Instance::Config config;
  config.hostRoot = root_.string();
  return std::make_unique<sim::Instance>(desktop_, config);
}

void FusenTest::WriteNotes(int count, int temae, int toumei) {
  for (int i = 0; i < count; ++i) {
    WriteNoteFile(std::to_string(i) + ".txt",
                  NoteBytes("note" + std::to_string(i), 9000, 600 * i, "", temae, toumei));
  }
}

std::string FusenTest::StoredValue(const std::string& name, const std::string& key) const {
  const auto bytes = ReadNoteFile(name);
  const auto at = bytes.find("\n" + key + "=");
  if (at == std::string::npos) return "(none)";
  const auto begin = at + key.size() + 2;
  return bytes.substr(begin, bytes.find("\r\n", begin) - begin);
}

std::vector<std::string> FusenTest::NoteFiles() const {
  std::vector<std::string> names;
  if (!fs::exists(DataDir())) return names;
  for (const auto& entry : fs::directory_iterator(DataDir())) {
    if (entry.path().extension() == ".txt") names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

sim::SimForm& FusenTest::MustNote(int number) {
  auto* note = Note(number);
  if (note == nullptr) throw std::runtime_error("no note No." + std::to_string(number));
  return *note;
}

std::string FusenTest::Looks(sim::SimForm& note) {
  std::string words = note.Visible() ? "shown" : "hidden";
  if (note.Topmost()) words += " front";
  if (note.Layered()) words += " layered";
  if (note.Alpha()) words += " alpha=" + std::to_string(*note.Alpha());
  if (DetailsOpen(note)) words += " details";
  for (const auto& [box, word] : {std::pair{note::InFrontCheck, " [front]"},
                                  std::pair{note::TranslucentCheck, " [translucent]"}}) {
    if (note.HasControl(box) && note.Control(box).Checked()) words += word;
  }
  return words;
}

void FusenTest::PressTab(sim::SimForm& note, int buttons, int shift) {
  desktop_.SetCursor(TabPoint(note));
  desktop_.MouseDown(note, note::TabLabel, platform::MouseDown{buttons, shift, 120, 240});
}

sim::SimForm& FusenTest::WindowBeneath(const platform::PixelRect& rect) {
  platform::FormSpec spec;
  spec.caption = "beneath " + std::to_string(++foreignWindows_);
  spec.bounds = {rect.left * 15, rect.top * 15, (rect.right - rect.left) * 15,
                 (rect.bottom - rect.top) * 15};
  return desktop_.OpenForeignWindow(spec);
}

void FusenTest::ShiftDoubleClickTitle(sim::SimForm& note) {
  desktop_.SetShift(true);
  desktop_.DblClick(note, note::TitleBox);
  desktop_.SetShift(false);
}

bool FusenTest::MenuChecked(manager::MenuItem item) {
  if (desktop_.Menus().empty()) throw std::runtime_error("no menu shown");
  for (const auto& shown : desktop_.Menus().back().items) {
    if (shown.id == manager::MenuId(item)) return shown.checked;
  }
  throw std::runtime_error("no such menu item");
}

std::vector<std::string> FusenTest::Delivered() {
  std::vector<std::string> delivered;
  for (const auto& delivery : desktop_.MouseDeliveries()) {
    auto* form = desktop_.FormFromHandle(delivery.window);
    delivered.push_back(delivery.what + " on " + (form ? form->Caption() : "?"));
  }
  return delivered;
}

std::string Sjis(const std::string& utf8) { return platform::Utf8ToCp932(utf8); }

std::string SettingsBytes(const std::string& kyuchaku) {
  return Sjis("[ZLT付箋紙プラグイン]\r\nKyuchaku=" + kyuchaku + "\r\n");
}

std::string NoteBytes(const std::string& title, int left, int top, const std::string& details,
                      int temae, int toumei) {
  return Sjis(NoteText(title, left, top, details, temae, toumei));
}

std::string NoteText(const std::string& title, int left, int top, const std::string& details,
                     int temae, int toumei) {
  std::string text =
      "[ZLT付箋紙プラグイン]\r\nAlarm=0\r\nAlarmMusic=0\r\nDate=0000/00/00\r\n"
      "Time0=00\r\nTime1=00\r\n";
  text += "Left=" + std::to_string(left) + "\r\nTop=" + std::to_string(top) + "\r\n";
  text += "Temae=" + std::to_string(temae) + "\r\nToumei=" + std::to_string(toumei) + "\r\n";
  text += "Title=" + title + "\r\ntxtData=" + details + "\r\n";
  return text;
}

std::string FusenTest::NotesTopFirst() {
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

}  // namespace zlt::test
