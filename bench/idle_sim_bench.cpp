// Idle cost on the sim backend: with every note loaded and collapsed, one
// virtual minute passes and every timer event the program receives is counted.
// Four cases: no alarm set; every note with the worked example's alarm, long
// past; no alarm but one a day ahead, as a user with one reminder has; half
// the notes with an alarm, half of those past and half in the coming days.
//
//   idle_sim_bench [notes=1000]
//
// Prints figures; exits non-zero only when the program did not load every note.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "manager/Controller.h"
#include "platform/Cp932.h"
#include "platform/Platform.h"
#include "platform/sim/SimDesktop.h"
#include "startup/Program.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace zlt::platform;

constexpr std::string_view kNoteCaptionPrefix = "ＺＬＴ付箋紙プラグインNo.";

// Passes every event on and counts the timer ticks by timer id.
class CountingEvents final : public IFormEvents {
 public:
  CountingEvents(IFormEvents& inner, std::map<int, long>& ticks) : inner_(inner), ticks_(ticks) {}
  void OnMouseDown(int id, const MouseDown& press) override { inner_.OnMouseDown(id, press); }
  void OnClick(int id) override { inner_.OnClick(id); }
  void OnDblClick(int id) override { inner_.OnDblClick(id); }
  void OnKeyDown(int id, int key, int shift) override { inner_.OnKeyDown(id, key, shift); }
  void OnKeyPress(int id, int& key) override { inner_.OnKeyPress(id, key); }
  void OnChange(int id) override { inner_.OnChange(id); }
  void OnGotFocus(int id) override { inner_.OnGotFocus(id); }
  void OnLostFocus(int id) override { inner_.OnLostFocus(id); }
  void OnTimer(int timerId) override {
    ++ticks_[timerId];
    inner_.OnTimer(timerId);
  }
  void OnActivate() override { inner_.OnActivate(); }
  void OnScaleChanged() override { inner_.OnScaleChanged(); }
  long OnCloseRequest() override { return inner_.OnCloseRequest(); }
  void OnEndSession() override { inner_.OnEndSession(); }
  void OnCopyData(std::string_view bytes) override { inner_.OnCopyData(bytes); }

 private:
  IFormEvents& inner_;
  std::map<int, long>& ticks_;
};

// The instance's own window system with every form's events counted. The
// counters live as long as this object, which outlives every form.
class CountingWindowSystem final : public IWindowSystem {
 public:
  explicit CountingWindowSystem(IWindowSystem& inner) : inner_(inner) {}

  std::map<int, long>& Ticks() { return ticks_; }

  std::unique_ptr<IForm> CreateForm(const FormSpec& spec, IFormEvents& events) override {
    wrappers_.push_back(std::make_unique<CountingEvents>(events, ticks_));
    return inner_.CreateForm(spec, *wrappers_.back());
  }
  std::unique_ptr<IPopupMenu> CreatePopupMenu(const std::vector<MenuItemSpec>& items) override {
    return inner_.CreatePopupMenu(items);
  }
  WindowHandle FindWindowByCaption(std::string_view caption) const override {
    return inner_.FindWindowByCaption(caption);
  }
  long SendClose(WindowHandle window) override { return inner_.SendClose(window); }
  Answer AskYesNo(std::string_view text, std::string_view title) override {
    return inner_.AskYesNo(text, title);
  }
  void ShowNotice(std::string_view text, std::string_view title) override {
    inner_.ShowNotice(text, title);
  }
  void DoEvents() override { inner_.DoEvents(); }
  void RunMessageLoop() override { inner_.RunMessageLoop(); }
  ScreenMetrics Screen() const override { return inner_.Screen(); }
  std::optional<PixelRect> MonitorRectOf(WindowHandle window) const override {
    return inner_.MonitorRectOf(window);
  }
  bool ShiftDown() const override { return inner_.ShiftDown(); }
  PixelPoint CursorPos() const override { return inner_.CursorPos(); }
  WindowHandle WindowFromPoint(PixelPoint point) const override {
    return inner_.WindowFromPoint(point);
  }
  void InjectMouse(MouseInjection what) override { inner_.InjectMouse(what); }

 private:
  IWindowSystem& inner_;
  std::map<int, long> ticks_;
  std::vector<std::unique_ptr<CountingEvents>> wrappers_;
};

std::string NoteFileBytes(int index, bool alarm, std::string_view date, std::string_view hour) {
  const int left = 3360 + (index % 40) * 600;
  const int top = 300 + (index / 40 % 30) * 500;
  const std::string text =
      "[ZLT付箋紙プラグイン]\r\nAlarm=" + std::string(alarm ? "1" : "0") +
      "\r\nAlarmMusic=0\r\nDate=" + std::string(date) + "\r\nTime0=" + std::string(hour) +
      "\r\nTime1=30\r\nLeft=" + std::to_string(left) + "\r\nTop=" + std::to_string(top) +
      "\r\nTemae=1\r\nToumei=0\r\nTitle=買い物\r\ntxtData=牛乳\r\nパン\r\n";
  return Utf8ToCp932(text);
}

struct Result {
  int notesLoaded = 0;
  int formsWithTimer = 0;
  std::map<int, long> ticks;
  long total = 0;
  double wallMs = 0;
};

// Loads the notes of root with "/*", lets the desktop settle for a second,
// then counts one virtual minute.
Result MeasureMinute(const fs::path& root, bool hideAll = false) {
  zlt::sim::Desktop desktop;  // starts 2026/12/07 09:00:00
  zlt::sim::Instance::Config config;
  config.commandLine = "/*";
  config.hostRoot = root.string();
  zlt::sim::Instance instance(desktop, config);
  auto& own = instance.Platform();
  CountingWindowSystem counting(own.windows);
  Platform platform{counting,  own.files,    own.processes,  own.clock,
                    own.shell, own.instance, own.environment};
  Result result;
  {
    zlt::Program program(platform);
    instance.RunAsProcess([&program] { program.Main(); });
    if (hideAll) program.NoteController()->RunMenuCommand(zlt::manager::MenuItem::HideAllNotes);
    desktop.Advance(std::chrono::seconds(1));
    counting.Ticks().clear();

    const auto start = Clock::now();
    desktop.Advance(std::chrono::minutes(1));
    result.wallMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    result.ticks = counting.Ticks();

    for (auto* form : desktop.Forms()) {
      if (!form->Caption().starts_with(kNoteCaptionPrefix)) continue;
      ++result.notesLoaded;
      // A note's own timers: 1 its move timer, 2 its alarm (a one-shot wait).
      if (form->TimerRunning(1) || form->TimerRunning(2)) ++result.formsWithTimer;
    }
  }
  for (const auto& [id, count] : result.ticks) result.total += count;
  return result;
}

void Print(const char* what, const Result& result, int notes) {
  std::printf("  %s\n", what);
  std::printf("    timer events per minute                   %10ld  (%.3f per note)\n",
              result.total, static_cast<double>(result.total) / notes);
  for (const auto& [id, count] : result.ticks) {
    std::printf("      timer %d                                 %10ld\n", id, count);
  }
  std::printf("    notes with a running timer                %10d\n", result.formsWithTimer);
  std::printf("    real time to run the minute               %10.2f ms\n", result.wallMs);
}

}  // namespace

int main(int argc, char** argv) {
  const int notes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
  const fs::path root =
      fs::temp_directory_path() / ("zlt-bench-idle-" + std::to_string(::getpid()));
  fs::remove_all(root);
  const fs::path data = root / "Apps" / "ZLTFusen" / "taro";
  fs::create_directories(data);
  const auto writeAll = [&](bool alarm) {
    for (int i = 0; i < notes; ++i) {
      std::ofstream(data / (std::to_string(i) + ".txt"), std::ios::binary | std::ios::trunc)
          << NoteFileBytes(i, alarm, "2005/07/30", "09");
    }
  };
  writeAll(false);
  const Result none = MeasureMinute(root);

  // Every alarm long past: nothing can fall due.
  writeAll(true);
  const Result past = MeasureMinute(root);

  // One alarm tomorrow at 09:30: armed, but its minute is far away.
  writeAll(false);
  std::ofstream(data / "0.txt", std::ios::binary | std::ios::trunc)
      << NoteFileBytes(0, true, "2026/12/08", "09");
  const Result armed = MeasureMinute(root);

  // Half the notes with an alarm: a quarter long past, a quarter in the
  // coming ten days at 09:30.
  for (int i = 0; i < notes; ++i) {
    char date[16];
    std::snprintf(date, sizeof date, "2026/12/%02d", 8 + i % 10);
    std::ofstream(data / (std::to_string(i) + ".txt"), std::ios::binary | std::ios::trunc)
        << NoteFileBytes(i, i % 2 == 0, i % 4 == 0 ? "2005/07/30" : date, "09");
  }
  const Result half = MeasureMinute(root);

  // The snap tick stops when no note is shown, and stays off with snapping off.
  writeAll(false);
  const Result hidden = MeasureMinute(root, true);
  std::ofstream(data / "ZLTFusen.ini", std::ios::binary | std::ios::trunc)
      << Utf8ToCp932("[ZLT付箋紙プラグイン]\r\nKyuchaku=False\r\n");
  const Result snapOff = MeasureMinute(root);

  std::error_code ignored;
  fs::remove_all(root, ignored);

  if (none.notesLoaded != notes || past.notesLoaded != notes || armed.notesLoaded != notes ||
      half.notesLoaded != notes || hidden.notesLoaded != notes || snapOff.notesLoaded != notes) {
    std::fprintf(stderr, "idle_sim_bench: %d, %d and %d of %d notes loaded\n", none.notesLoaded,
                 past.notesLoaded, armed.notesLoaded, notes);
    return 1;
  }
  std::printf("idle_sim_bench: %d collapsed notes, one virtual minute\n", notes);
  Print("no alarm set", none, notes);
  Print("every note's alarm set, long past (the worked example)", past, notes);
  Print("no alarm but one, set for tomorrow", armed, notes);
  Print("half the notes with an alarm: half of those past, half in the coming days", half, notes);
  Print("no alarm set, every note hidden", hidden, notes);
  Print("no alarm set, snap off", snapOff, notes);
  return 0;
}
