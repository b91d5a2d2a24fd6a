// Checks the Windows build from inside Windows (or Wine). First the shared code page 932
// vectors against the system's own conversion. Then it opens a new note as "/N" does, on the
// Windows platform built as WinMain builds it and with the program's own resources, so its
// details view is the one the user sees, and checks that the alarm's date box shows a whole
// date in the font the system gave it, that no other box changed its look, and that the window
// follows its monitor to 144 DPI and back as Windows tells it (WM_DPICHANGED, sent in-process:
// Wine gives every monitor one DPI).
// Prints one line per failed check, then "N passed, M failed"; exits non-zero
// on any failure. Ends itself (ExitProcess), as the program would.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

#include "cp932_vectors.h"
#include "manager/Controller.h"
#include "note/NoteLayout.h"
#include "note/NoteWindow.h"
#include "platform/Platform.h"
#include "platform/System.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32InstanceChannel.h"
#include "platform/win32/Win32Processes.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32Text.h"
#include "platform/win32/Win32WindowSystem.h"
#include "startup/Program.h"

namespace {

using zlt::note::NoteControl;

// A date as the date picker writes it; most faces draw every digit equally wide.
constexpr wchar_t kWidestDate[] = L"2026/12/28";

// A new note in a program folder of its own: nothing lands in the build tree.
class NewNoteEnvironment final : public zlt::platform::IEnvironment {
 public:
  explicit NewNoteEnvironment(std::string appFolder) : appFolder_(std::move(appFolder)) {}
  std::string AppFolder() const override { return appFolder_; }
  std::optional<std::string> UserName() const override { return "formchecks"; }
  std::string CommandLine() const override { return "/N"; }
  std::optional<std::string> LocalAppDataFolder() const override { return std::nullopt; }

 private:
  std::string appFolder_;
};

std::wstring ProgramFolder() {
  wchar_t temp[MAX_PATH + 1];
  std::wstring folder(temp, GetTempPathW(MAX_PATH + 1, temp));
  if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
  folder += L"zlt-note-form-" + std::to_wstring(GetCurrentProcessId());
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

void PumpPending() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

int passed = 0;
int failed = 0;

void Check(bool ok, const std::string& what) {
  if (ok) {
    ++passed;
  } else {
    std::printf("FAIL %s\n", what.c_str());
    ++failed;
  }
}

struct Margins {
  int left = 0;
  int right = 0;
  bool operator==(const Margins&) const = default;
};

Margins MarginsOf(HWND box) {
  const auto margins = static_cast<DWORD>(SendMessageW(box, EM_GETMARGINS, 0, 0));
  return {LOWORD(margins), HIWORD(margins)};
}

std::string Describe(const Margins& margins) {
  return std::to_string(margins.left) + "+" + std::to_string(margins.right);
}

// Width in pixels of text drawn in the box's own font.
int TextWidth(HWND box, const wchar_t* text) {
  const auto font = reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0));
  HDC dc = GetDC(box);
  const HGDIOBJ before = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size);
  SelectObject(dc, before);
  ReleaseDC(box, dc);
  return size.cx;
}

// The margins the system gives a one-line box of this font by itself: what
// every box but the date box keeps.
Margins SystemMargins(HWND like) {
  HWND box =
      CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | ES_LEFT | ES_AUTOHSCROLL, 0, 0,
                      100, 20, GetParent(like), nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(box, WM_SETFONT, SendMessageW(like, WM_GETFONT, 0, 0), FALSE);
  const Margins margins = MarginsOf(box);
  DestroyWindow(box);
  return margins;
}

RECT PlaceInParent(HWND control) {
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

void CheckDetails(HWND note) {
  HWND frame = GetDlgItem(note, NoteControl::DetailsFrame);
  HWND date = frame != nullptr ? GetDlgItem(frame, NoteControl::DateBox) : nullptr;
  HWND hour = frame != nullptr ? GetDlgItem(frame, NoteControl::HourBox) : nullptr;
  HWND minute = frame != nullptr ? GetDlgItem(frame, NoteControl::MinuteBox) : nullptr;
  HWND title = GetDlgItem(note, NoteControl::TitleBox);
  if (date == nullptr || hour == nullptr || minute == nullptr || title == nullptr) {
    Check(false, "the new note has no details view with date, hour, minute and title boxes");
    return;
  }
  Check(IsWindowVisible(date) != FALSE, "the new note shows its date box");

  RECT client{};
  GetClientRect(date, &client);
  const Margins margins = MarginsOf(date);
  const int room = client.right - client.left - margins.left - margins.right;
  const int needed = TextWidth(date, kWidestDate);
  Check(needed <= room, "the date box shows \"2026/12/28\" whole: it needs " +
                            std::to_string(needed) + " px, the box holds " + std::to_string(room) +
                            " px (client " + std::to_string(client.right - client.left) +
                            " px, margins " + Describe(margins) + ")");

  RECT shown{};
  SendMessageW(date, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&shown));
  Check(needed <= shown.right - shown.left,
        "the date box's text rectangle holds \"2026/12/28\": it needs " + std::to_string(needed) +
            " px, the rectangle is " + std::to_string(shown.right - shown.left) + " px");

  const RECT datePlace = PlaceInParent(date);
  const RECT hourPlace = PlaceInParent(hour);
  Check(datePlace.right <= hourPlace.left,
        "the date box ends at " + std::to_string(datePlace.right) +
            " px, within the hour box's left edge at " + std::to_string(hourPlace.left) + " px");

  // The date keeps the other boxes' face, smaller at most, and they keep theirs.
  const auto fontOf = [](HWND box) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
  };
  const LOGFONTW dateFont = fontOf(date);
  const LOGFONTW titleFont = fontOf(title);
  Check(std::wstring(dateFont.lfFaceName) == titleFont.lfFaceName,
        "the date box keeps the title box's face");
  Check(std::abs(dateFont.lfHeight) <= std::abs(titleFont.lfHeight) &&
            std::abs(dateFont.lfHeight) >= 8,
        "the date box's font is " + std::to_string(std::abs(dateFont.lfHeight)) +
            " px high: no larger than the title's " + std::to_string(std::abs(titleFont.lfHeight)) +
            " px and still easily read");
  for (HWND box : {hour, minute}) {
    Check(SendMessageW(box, WM_GETFONT, 0, 0) == SendMessageW(title, WM_GETFONT, 0, 0),
          "the hour and minute boxes keep the title box's font");
  }

  const Margins system = SystemMargins(title);
  for (const auto& [box, name] :
       {std::pair{title, "title"}, std::pair{hour, "hour"}, std::pair{minute, "minute"}}) {
    Check(MarginsOf(box) == system, std::string("the ") + name +
                                        " box keeps the system's margins " + Describe(system) +
                                        ", not " + Describe(MarginsOf(box)));
  }
}

std::string Describe(const RECT& rect) {
  return std::to_string(rect.left) + "," + std::to_string(rect.top) + "-" +
         std::to_string(rect.right) + "," + std::to_string(rect.bottom);
}

// What a DPI change scales, in one line: the window's size, its outline's bounds, the title
// box's place in the window and the height of its font.
std::string LookOf(HWND note) {
  RECT rect{};
  RECT outline{};
  GetWindowRect(note, &rect);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(note, region) != ERROR) GetRgnBox(region, &outline);
  DeleteObject(region);
  HWND title = GetDlgItem(note, NoteControl::TitleBox);
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(title, WM_GETFONT, 0, 0)), sizeof font, &font);
  return std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top) +
         " outline " + Describe(outline) + " title " + Describe(PlaceInParent(title)) + " font " +
         std::to_string(font.lfHeight);
}

// Tells the note its monitor is now at dpi (from the DPI it has, or none for the look it starts
// with), suggesting a rectangle of that scale as Windows does, and checks what it became.
void CheckDpiLook(HWND note, int from, int dpi, const std::string& expected) {
  if (from != 0) {
    RECT suggested{};
    GetWindowRect(note, &suggested);
    suggested.right = suggested.left + MulDiv(suggested.right - suggested.left, dpi, from);
    suggested.bottom = suggested.top + MulDiv(suggested.bottom - suggested.top, dpi, from);
    SendMessageW(note, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    PumpPending();
  }
  const std::string look = LookOf(note);
  Check(look == expected,
        "at " + std::to_string(dpi) + " DPI the note is " + expected + ", not " + look);
}

void CheckDpiChanges(HWND note) {
  // A new note's open details view: 6495 x 5190 twips, 433 x 346 pixels at 96 DPI and 650 x 519
  // at 144, its rounded outline leaving out its last column and row; its title box at 360, 120,
  // 5895 x 255 twips; the 9-point font 12 pixels high at 96 and 18 at 144.
  const std::string at96 = "433x346 outline 0,0-432,345 title 24,8-417,25 font -12";
  CheckDpiLook(note, 0, 96, at96);
  CheckDpiLook(note, 96, 144, "650x519 outline 0,0-649,518 title 36,12-626,38 font -18");
  CheckDpiLook(note, 144, 96, at96);
}

}  // namespace

int main() {
  for (const zlt::test::Cp932Vector& vector : zlt::test::Cp932Vectors()) {
    const auto problem = zlt::test::CheckCp932Vector(vector);
    Check(!problem, problem.value_or(""));
  }
  const std::wstring folder = ProgramFolder();
  zlt::win32::Win32WindowSystem windows(GetModuleHandleW(nullptr));
  zlt::win32::Win32FileSystem files;
  zlt::win32::Win32Processes processes;
  zlt::win32::Win32Clock clock;
  zlt::win32::Win32Shell shell;
  zlt::win32::Win32InstanceChannel instanceChannel;
  NewNoteEnvironment environment(zlt::win32::FromWide(folder));
  zlt::platform::Platform platform{windows, files,           processes,  clock,
                                   shell,   instanceChannel, environment};

  zlt::Program program(platform);
  program.Main();
  PumpPending();

  zlt::manager::Controller* controller = program.NoteController();
  if (controller == nullptr || controller->Notes().size() != 1) {
    Check(false, "\"/N\" leaves the program running with one note");
  } else {
    const auto note = reinterpret_cast<HWND>(controller->Notes().front()->Handle());
    CheckDetails(note);
    CheckDpiChanges(note);
  }
  std::printf("%d passed, %d failed\n", passed, failed);
  std::fflush(stdout);
  // The blank note is never saved: only the data folder the start made is left.
  RemoveDirectoryW((folder + L"\\formchecks").c_str());
  RemoveDirectoryW(folder.c_str());
  ExitProcess(failed == 0 ? 0 : 1);
}
