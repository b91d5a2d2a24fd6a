// The yardstick for start-up with many notes: what the window system alone
// costs for the windows of that many collapsed notes, with no program logic.
// Each window is what a collapsed note is: a popup of the note's size with the
// tool-window style, its title tab (Static) and title box (Edit) in one shared
// font, the rounded outline, kept in front (the notes of the start-up
// benchmark are), both controls registered with one shared tooltip window, and
// shown without activation. The windows stand where the notes of the start-up
// benchmark stand. Times the loop until every window exists, then how long the
// messages it left pending take, and when the first window was visible.
//
// Extra steps the program takes per note can be added one by one, to see
// what each costs on top of the bare windows:
//   move     the window made at 0,0, then moved to its place (SetWindowPos)
//   ztop     each control raised to the top of its siblings (SetWindowPos)
//   subclass each control subclassed (SetWindowSubclass)
//   limit    the title box's text limit lifted (EM_SETLIMITTEXT)
//   text     the title set after the box was made (SetWindowTextW)
//   timer    a 250 ms timer started on the window (SetTimer)
//   query    the window rectangle and caption read back three times
//
//   bare_notes_bench [notes=1000] [extra,extra...]
// commctrl.h needs windows.h before it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Basics.h"

namespace {

using namespace zlt::bench;

// A collapsed note at 15 twips per pixel: 3360 x 480 twips.
constexpr int kWidthPx = 224;
constexpr int kHeightPx = 32;
constexpr int kOutlineEllipsePx = 10;
constexpr COLORREF kNoteColour = RGB(255, 255, 192);

void AddTool(HWND tooltips, HWND form, HWND control, const wchar_t* text) {
  TOOLINFOW tool{};
  tool.cbSize = TTTOOLINFOW_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = form;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = const_cast<wchar_t*>(text);
  SendMessageW(tooltips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

LRESULT CALLBACK PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                        DWORD_PTR) {
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int notes = argc > 1 ? std::max(1, _wtoi(argv[1])) : 1000;
  const std::wstring extras = argc > 2 ? L"," + std::wstring(argv[2]) + L"," : L"";
  const auto with = [&](const wchar_t* step) {
    return extras.find(L"," + std::wstring(step) + L",") != std::wstring::npos;
  };
  const bool move = with(L"move"), ztop = with(L"ztop"), subclass = with(L"subclass"),
             limit = with(L"limit"), text = with(L"text"), timer = with(L"timer"),
             query = with(L"query");
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);

  WNDCLASSEXW formClass{};
  formClass.cbSize = sizeof(formClass);
  formClass.lpfnWndProc = DefWindowProcW;
  formClass.hInstance = instance;
  formClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  formClass.hbrBackground = CreateSolidBrush(kNoteColour);
  formClass.lpszClassName = L"ZLTBenchBareNote";
  if (RegisterClassExW(&formClass) == 0) return 1;

  const int fontHeight = -MulDiv(9, 96, 72);
  const HFONT font = CreateFontW(fontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                 SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, DEFAULT_PITCH, L"ＭＳ Ｐゴシック");

  MarkServerLog(L"zlt-bench-begin");
  const double start = NowMs();
  const double startCpu = ProcessCpuMs();
  const HWND tooltips =
      CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                      WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                      CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
  double firstShownMs = 0;
  std::vector<HWND> windows;
  for (int i = 0; i < notes; ++i) {
    // Where the start-up benchmark's note files put their notes (in pixels).
    const int left = (3360 + (i % 40) * 600) / 15;
    const int top = (300 + (i / 40 % 30) * 500) / 15;
    const HWND form =
        CreateWindowExW(WS_EX_TOOLWINDOW, formClass.lpszClassName, L"ＺＬＴ付箋紙プラグインNo.",
                        WS_POPUP | WS_CLIPCHILDREN, move ? 0 : left, move ? 0 : top, kWidthPx,
                        kHeightPx, nullptr, nullptr, instance, nullptr);
    const HWND tab = CreateWindowExW(
        0, L"STATIC", L"",
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_LEFTNOWORDWRAP | SS_NOTIFY | SS_NOPREFIX, 0, 0,
        17, 41, form, nullptr, instance, nullptr);
    const HWND title = CreateWindowExW(
        WS_EX_CLIENTEDGE, L"EDIT", text ? L"" : L"買い物",
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, 24, 8, 393,
        17, form, nullptr, instance, nullptr);
    for (const HWND control : {tab, title}) {
      if (ztop)
        SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      if (subclass) SetWindowSubclass(control, PassOn, 1, 0);
    }
    if (limit) SendMessageW(title, EM_SETLIMITTEXT, 0, 0);
    if (move) {
      SetWindowPos(form, nullptr, left, top, kWidthPx, kHeightPx, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (text) SetWindowTextW(title, L"買い物");
    if (timer) SetTimer(form, 1, 250, nullptr);
    if (query) {
      for (int q = 0; q < 3; ++q) {
        RECT rect;
        GetWindowRect(form, &rect);
        wchar_t caption[64];
        GetWindowTextW(form, caption, 64);
      }
    }
    SendMessageW(tab, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(title, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    AddTool(tooltips, form, tab, L"ココを“右クリック”でメニュー表示");
    AddTool(tooltips, form, title, L"ココを“Shift＋クリック”でタイトル編集");
    const HRGN region =
        CreateRoundRectRgn(0, 0, kWidthPx, kHeightPx, kOutlineEllipsePx, kOutlineEllipsePx);
    if (SetWindowRgn(form, region, TRUE) == 0) DeleteObject(region);
    SetWindowPos(form, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ShowWindow(form, SW_SHOWNA);
    if (i == 0) firstShownMs = NowMs() - start;
    windows.push_back(form);
  }
  const double madeMs = NowMs() - start;
  MarkServerLog(L"zlt-bench-end");
  const double madeCpuMs = ProcessCpuMs() - startCpu;
  PumpPending();
  const double settledMs = NowMs() - start;
  MarkServerLog(L"zlt-bench-settled");

  long made = 0;
  for (const HWND window : windows) made += IsWindowVisible(window) ? 1 : 0;
  std::printf("bare_notes_bench: %d bare note windows, %ld shown%s%ls\n", notes, made,
              extras.empty() ? "" : ", with", extras.c_str());
  std::printf("  bare note windows until every window exists      %9.1f ms  (%.2f ms/note)\n",
              madeMs, madeMs / notes);
  std::printf("  CPU time of this process until then                %9.1f ms\n", madeCpuMs);
  std::printf("  ... and the messages they left pending handled   %9.1f ms\n", settledMs);
  std::printf("  first window visible after                       %9.1f ms\n", firstShownMs);
  std::fflush(stdout);
  ExitProcess(made == notes ? 0 : 1);
}
