#include "Win32PopupMenu.h"

#include <algorithm>
#include <string>

#include "Win32Text.h"

namespace zlt::win32 {

Win32PopupMenu::Win32PopupMenu(Win32Context& context,
                               const std::vector<platform::MenuItemSpec>& items)
    : context_(context), menu_(CreatePopupMenu()) {
  for (const platform::MenuItemSpec& item : items) {
    if (item.caption == "-") {
      AppendMenuW(menu_.Get(), MF_SEPARATOR, 0, nullptr);
      continue;
    }
    commands_.push_back(item.id);
    texts_.push_back(std::make_unique<MenuItemText>(MenuItemText{ToWide(item.caption)}));
    // Drawn by the owner window with the program's font; the string stays for
    // keyboard selection and for tools that read menus.
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STATE | MIIM_STRING | MIIM_DATA;
    info.fType = MFT_OWNERDRAW;
    info.fState = item.checked ? MFS_CHECKED : MFS_UNCHECKED;
    info.wID = static_cast<UINT>(commands_.size());
    info.dwItemData = reinterpret_cast<ULONG_PTR>(texts_.back().get());
    info.dwTypeData = texts_.back()->caption.data();
    InsertMenuItemW(menu_.Get(), GetMenuItemCount(menu_.Get()), TRUE, &info);
  }
}

std::optional<UINT> Win32PopupMenu::ItemOf(int id) const {
  const auto found = std::find(commands_.begin(), commands_.end(), id);
  if (found == commands_.end()) return std::nullopt;
  return static_cast<UINT>(found - commands_.begin()) + 1;
}

void Win32PopupMenu::SetChecked(int id, bool checked) {
  if (const auto item = ItemOf(id)) {
    CheckMenuItem(menu_.Get(), *item, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
  }
}

bool Win32PopupMenu::Checked(int id) const {
  const auto item = ItemOf(id);
  if (!item) return false;
  const UINT state = GetMenuState(menu_.Get(), *item, MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & MF_CHECKED) != 0;
}

std::optional<int> Win32PopupMenu::TrackAtCursor(platform::IForm& owner) {
  const HWND window = reinterpret_cast<HWND>(owner.Handle());
  POINT cursor{};
  GetCursorPos(&cursor);
  UINT chosen = 0;
  {
    // Activation moves to the owner and back because of the menu itself.
    const ProgramCall call(context_);
    // The owner must be in front, or the menu would not close when the user
    // clicks elsewhere.
    SetForegroundWindow(window);
    chosen = static_cast<UINT>(
        TrackPopupMenu(menu_.Get(), TPM_RETURNCMD, cursor.x, cursor.y, 0, window, nullptr));
    // Lets the owner's queue wake up so the next click works (a known quirk of
    // menus shown for a window that was not in front).
    PostMessageW(window, WM_NULL, 0, 0);
  }
  if (chosen == 0 || chosen > commands_.size()) return std::nullopt;
  return commands_[chosen - 1];
}

}  // namespace zlt::win32
