// A popup menu with check marks, shown at the mouse and returning the choice.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "Handles.h"
#include "MenuItemDrawing.h"
#include "Win32Context.h"
#include "platform/WindowSystem.h"

namespace zlt::win32 {

class Win32PopupMenu final : public platform::IPopupMenu {
 public:
  Win32PopupMenu(Win32Context& context, const std::vector<platform::MenuItemSpec>& items);

  void SetChecked(int id, bool checked) override;
  bool Checked(int id) const override;
  std::optional<int> TrackAtCursor(platform::IForm& owner) override;

 private:
  // The menu's own item ids start at 1 (TrackPopupMenu's 0 means "nothing
  // chosen"); the program's command numbers may start anywhere.
  std::optional<UINT> ItemOf(int id) const;

  Win32Context& context_;
  std::vector<int> commands_;                         // the program's command of item i + 1
  std::vector<std::unique_ptr<MenuItemText>> texts_;  // item data: stays put while the menu lives
  UniqueMenu menu_;
};

}  // namespace zlt::win32
