// list, find, wait, children, tooltip: what windows exist and how they stand.
#include "Commands.h"
#include "Output.h"
#include "Text.h"
#include "WindowQueries.h"

namespace zlt::probe {

int ListCommand(const Args& args) {
  if (!args.empty()) return kUsage;
  for (HWND window : TopLevelWindows()) PrintFields(DescribeTopLevel(window));
  return kOk;
}

int FindCommand(const Args& args) {
  if (args.size() != 1) return kUsage;
  const auto found = WindowsCaptioned(args[0], false);
  for (HWND window : found) PrintFields(DescribeTopLevel(window));
  return found.empty() ? kFailed : kOk;
}

int ForegroundCommand(const Args& args) {
  if (!args.empty()) return kUsage;
  const HWND window = GetForegroundWindow();
  if (window == nullptr) return kFailed;
  PrintFields(DescribeTopLevel(window));
  return kOk;
}

int WaitCommand(const Args& args) {
  // "--visible" may stand first or last: callers write it both ways.
  Args rest;
  bool visibleOnly = false;
  for (const std::wstring& arg : args) {
    if (arg == L"--visible" && !visibleOnly) {
      visibleOnly = true;
    } else {
      rest.push_back(arg);
    }
  }
  if (rest.size() != 2) return kUsage;
  const auto timeout = ParseInteger(rest[1]);
  if (!timeout || *timeout < 0 || *timeout > MAXDWORD) return kUsage;
  const std::wstring& caption = rest[0];
  HWND window = PollFor(
      [&] {
        const auto found = WindowsCaptioned(caption, visibleOnly);
        return found.empty() ? nullptr : found.front();
      },
      static_cast<DWORD>(*timeout));
  if (window == nullptr) return kFailed;
  PrintFields(DescribeTopLevel(window));
  return kOk;
}

int ChildrenCommand(const Args& args) {
  if (args.size() != 1) return kUsage;
  const auto found = WindowsCaptioned(args[0], false);
  if (found.empty()) return kFailed;
  const HWND top = found.front();
  for (HWND child : ChildWindows(top)) {
    RECT box{};
    GetWindowRect(child, &box);
    // Relative to the top window's client area, at any depth, so a test can
    // compare places without knowing which frame holds a control.
    MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&box), 2);
    PrintFields({Hex(reinterpret_cast<ULONG_PTR>(child)), EscapeField(ClassOf(child)),
                 EscapeField(ControlTextOf(child)), Number(box.left), Number(box.top),
                 Number(box.right), Number(box.bottom), Flag(IsWindowVisible(child)),
                 Flag(IsWindowEnabled(child)), Number(GetDlgCtrlID(child)),
                 Hex(reinterpret_cast<ULONG_PTR>(GetParent(child)))});
  }
  return kOk;
}

int TooltipCommand(const Args& args) {
  if (args.size() != 1) return kUsage;
  const auto timeout = ParseInteger(args[0]);
  if (!timeout || *timeout < 0 || *timeout > MAXDWORD) return kUsage;
  HWND window = PollFor(
      [] {
        for (HWND top : TopLevelWindows()) {
          if (IsWindowVisible(top) && ClassOf(top) == L"tooltips_class32") return top;
        }
        return HWND{};
      },
      static_cast<DWORD>(*timeout));
  if (window == nullptr) return kFailed;
  // A tooltip window answers WM_GETTEXT with the tip it shows.
  RECT box{};
  GetWindowRect(window, &box);
  PrintFields({Hex(reinterpret_cast<ULONG_PTR>(window)), EscapeField(ControlTextOf(window)),
               Number(box.left), Number(box.top), Number(box.right), Number(box.bottom)});
  return kOk;
}

}  // namespace zlt::probe
