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

#include <cstdarg>
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
  // The temporary folder ends in a backslash.
  std::wstring folder(temp, GetTempPathW(MAX_PATH + 1, temp));
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

int checks = 0;
int failed = 0;

// Counts a check and prints it, filled in as printf does, when it fails.
[[gnu::format(printf, 2, 3)]] void Check(bool ok, const char* what, ...) {
  ++checks;
  if (ok) return;
  ++failed;
  std::va_list details;
  va_start(details, what);
  std::printf("FAIL ");
  std::vprintf(what, details);
  std::printf("\n");
  va_end(details);
}

DWORD MarginsOf(HWND box) { return static_cast<DWORD>(SendMessageW(box, EM_GETMARGINS, 0, 0)); }

LOGFONTW FontOf(HWND box) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font;
}

RECT PlaceInParent(HWND control) {
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

void CheckDetails(HWND note) {
  HWND frame = GetDlgItem(note, NoteControl::DetailsFrame);
  HWND date = GetDlgItem(frame, NoteControl::DateBox);
  HWND hour = GetDlgItem(frame, NoteControl::HourBox);
  HWND minute = GetDlgItem(frame, NoteControl::MinuteBox);
  HWND title = GetDlgItem(note, NoteControl::TitleBox);
  if (date == nullptr || hour == nullptr || minute == nullptr || title == nullptr) {
    Check(false, "the new note has no details view with date, hour, minute and title boxes");
    return;
  }
  Check(IsWindowVisible(date) != FALSE, "the new note shows its date box");

  // The rectangle the box draws its text in: its client area less its margins and a pixel or
  // so more the edit control keeps; the width the widest date needs in the box's own font.
  RECT shown{};
  SendMessageW(date, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&shown));
  HDC dc = GetDC(date);
  const HGDIOBJ before =
      SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(date, WM_GETFONT, 0, 0)));
  SIZE size{};
  GetTextExtentPoint32W(dc, kWidestDate, static_cast<int>(wcslen(kWidestDate)), &size);
  SelectObject(dc, before);
  ReleaseDC(date, dc);
  Check(size.cx <= shown.right - shown.left,
        "the date box shows \"2026/12/28\" whole: it needs %d px, it draws in %d px (margins "
        "%d+%d)",
        static_cast<int>(size.cx), static_cast<int>(shown.right - shown.left),
        LOWORD(MarginsOf(date)), HIWORD(MarginsOf(date)));
  Check(PlaceInParent(date).right <= PlaceInParent(hour).left,
        "the date box ends at %d px, within the hour box's left edge at %d px",
        static_cast<int>(PlaceInParent(date).right), static_cast<int>(PlaceInParent(hour).left));

  // The date keeps the other boxes' face, smaller at most, and they keep theirs.
  const LOGFONTW dateFont = FontOf(date);
  const LOGFONTW titleFont = FontOf(title);
  const int dateHeight = std::abs(dateFont.lfHeight);
  Check(std::wstring(dateFont.lfFaceName) == titleFont.lfFaceName && dateHeight >= 8 &&
            dateHeight <= std::abs(titleFont.lfHeight),
        "the date box's font keeps the title box's face and is %d px high: no larger than the "
        "title's %d px and still easily read",
        dateHeight, static_cast<int>(std::abs(titleFont.lfHeight)));
  // The margins the system gives a one-line box of this font by itself: what every box but the
  // date box keeps.
  HWND plain = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | ES_LEFT | ES_AUTOHSCROLL,
                               0, 0, 100, 20, note, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(plain, WM_SETFONT, SendMessageW(title, WM_GETFONT, 0, 0), FALSE);
  const DWORD system = MarginsOf(plain);
  DestroyWindow(plain);
  for (const auto& [box, name] :
       {std::pair{title, "title"}, std::pair{hour, "hour"}, std::pair{minute, "minute"}}) {
    Check(MarginsOf(box) == system &&
              SendMessageW(box, WM_GETFONT, 0, 0) == SendMessageW(title, WM_GETFONT, 0, 0),
          "the %s box keeps the title box's font and the system's margins %d+%d, not %d+%d", name,
          LOWORD(system), HIWORD(system), LOWORD(MarginsOf(box)), HIWORD(MarginsOf(box)));
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
  return std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top) +
         " outline " + Describe(outline) + " title " + Describe(PlaceInParent(title)) + " font " +
         std::to_string(FontOf(title).lfHeight);
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
  Check(look == expected, "at %d DPI the note is %s, not %s", dpi, expected.c_str(), look.c_str());
}

}  // namespace

int main() {
  for (const zlt::test::Cp932Vector& vector : zlt::test::Cp932Vectors()) {
    const auto problem = zlt::test::CheckCp932Vector(vector);
    Check(!problem, "%s", problem.value_or("").c_str());
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
    // A new note's open details view: 6495 x 5190 twips, 433 x 346 pixels at 96 DPI and 650 x
    // 519 at 144, its rounded outline leaving out its last column and row; its title box at 360,
    // 120, 5895 x 255 twips; the 9-point font 12 pixels high at 96 and 18 at 144.
    const std::string at96 = "433x346 outline 0,0-432,345 title 24,8-417,25 font -12";
    CheckDpiLook(note, 0, 96, at96);
    CheckDpiLook(note, 96, 144, "650x519 outline 0,0-649,518 title 36,12-626,38 font -18");
    CheckDpiLook(note, 144, 96, at96);
  }
  std::printf("%d passed, %d failed\n", checks - failed, failed);
  std::fflush(stdout);
  // The blank note is never saved: only the data folder the start made is left.
  RemoveDirectoryW((folder + L"\\formchecks").c_str());
  RemoveDirectoryW(folder.c_str());
  ExitProcess(failed == 0 ? 0 : 1);
}
