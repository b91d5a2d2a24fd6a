// msgbox and menu: the modal things a program shows, answered from outside.
#include "Commands.h"
#include "Output.h"
#include "Text.h"
#include "WindowQueries.h"

namespace zlt::probe {
namespace {

constexpr wchar_t kDialogClass[] = L"#32770";
constexpr wchar_t kMenuClass[] = L"#32768";
// MN_GETHMENU is missing from some headers.
constexpr UINT kGetMenuMessage = 0x01E1;
constexpr UINT kClickTimeoutMs = 5000;

HWND FirstVisibleOfClass(const wchar_t* className) {
  for (HWND window : TopLevelWindows()) {
    if (IsWindowVisible(window) && ClassOf(window) == className) return window;
  }
  return nullptr;
}

std::optional<DWORD> ParseTimeout(const std::wstring& text) {
  const auto value = ParseInteger(text);
  if (!value || *value < 0 || *value > MAXDWORD) return std::nullopt;
  return static_cast<DWORD>(*value);
}

// The message of a box: its static controls that hold text (the icon has none).
std::wstring MessageOf(HWND dialog) {
  std::wstring text;
  for (HWND child : ChildWindows(dialog)) {
    if (_wcsicmp(ClassOf(child).c_str(), L"Static") != 0) continue;
    const std::wstring part = ControlTextOf(child);
    if (part.empty()) continue;
    if (!text.empty()) text += L"\n";
    text += part;
  }
  return text;
}

std::wstring MenuItemText(HMENU menu, int index) {
  wchar_t text[512] = {};
  const int length = GetMenuStringW(menu, static_cast<UINT>(index), text, 512, MF_BYPOSITION);
  return std::wstring(text, length > 0 ? static_cast<size_t>(length) : 0);
}

std::wstring ItemRectField(HMENU menu, int index) {
  RECT box{};
  if (!GetMenuItemRect(nullptr, menu, static_cast<UINT>(index), &box)) return L"-";
  return Number(box.left) + L" " + Number(box.top) + L" " + Number(box.right) + L" " +
         Number(box.bottom);
}

}  // namespace

int MessageBoxCommand(const Args& args) {
  if (args.size() != 2 || (args[0] != L"yes" && args[0] != L"no")) return kUsage;
  const auto timeout = ParseTimeout(args[1]);
  if (!timeout) return kUsage;
  const HWND dialog = PollFor([] { return FirstVisibleOfClass(kDialogClass); }, *timeout);
  if (dialog == nullptr) return kFailed;

  const bool yes = args[0] == L"yes";
  // An OK-only or OK/Cancel box has no Yes or No: its nearest button stands in.
  HWND button = GetDlgItem(dialog, yes ? IDYES : IDNO);
  if (button == nullptr) button = GetDlgItem(dialog, yes ? IDOK : IDCANCEL);
  PrintFields({EscapeField(CaptionOf(dialog)), EscapeField(MessageOf(dialog)),
               button == nullptr ? L"-" : Number(GetDlgCtrlID(button))});
  if (button == nullptr) return kFailed;
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_NORMAL, kClickTimeoutMs, &ignored)
             ? kOk
             : kFailed;
}

int MenuCommand(const Args& args) {
  if (args.size() != 1) return kUsage;
  const auto timeout = ParseTimeout(args[0]);
  if (!timeout) return kUsage;
  const HWND window = PollFor([] { return FirstVisibleOfClass(kMenuClass); }, *timeout);
  if (window == nullptr) return kFailed;

  RECT box{};
  GetWindowRect(window, &box);
  DWORD_PTR handle = 0;
  SendMessageTimeoutW(window, kGetMenuMessage, 0, 0, SMTO_ABORTIFHUNG, kClickTimeoutMs, &handle);
  const HMENU menu = reinterpret_cast<HMENU>(handle);
  // Another process's menu cannot always be read (Wine keeps menus per
  // process): the window is still reported, with "-" items.
  const int count = menu == nullptr ? -1 : GetMenuItemCount(menu);
  PrintFields({Hex(reinterpret_cast<ULONG_PTR>(window)), Number(box.left), Number(box.top),
               Number(box.right), Number(box.bottom), count < 0 ? L"-" : Number(count)});
  for (int i = 0; i < count; ++i) {
    const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
    const bool separator = (state & MF_SEPARATOR) != 0;
    PrintFields({Number(i), Number(static_cast<int>(GetMenuItemID(menu, i))),
                 Flag(state & MF_CHECKED), Flag(state & (MF_GRAYED | MF_DISABLED)),
                 separator ? L"-" : EscapeField(MenuItemText(menu, i)), ItemRectField(menu, i)});
  }
  return kOk;
}

}  // namespace zlt::probe
