// The note popup menu: every command that acts on one note or on all notes.
#pragma once

#include <string_view>
#include <vector>

#include "platform/WindowSystem.h"

namespace zlt::manager {

enum class MenuItem {
  NewNote = 1,
  ShowHidden,
  SeparatorBeforeArrange,
  ArrangeFromThisNote,
  ArrangeTopRight,
  ArrangeMiddleRight,
  ArrangeBottomRight,
  ArrangeTopLeft,
  ArrangeMiddleLeft,
  ArrangeBottomLeft,
  SeparatorBeforeOptions,
  InFront,
  Translucent,
  Snap,
  SeparatorBeforeAllOptions,
  AllInFront,
  AllInFrontOff,
  AllTranslucent,
  AllTranslucentOff,
  SeparatorBeforeInformation,
  Information,
  SeparatorBeforeDelete,
  DeleteNote,
  DeleteAllNotes,
  SeparatorBeforeHide,
  HideNote,
  HideAllNotes,
  SeparatorBeforeClose,
  CloseNote,
  CloseAllNotes,
};

// The thirty items in display order, with their initial check marks.
std::vector<platform::MenuItemSpec> NoteMenuItems();

constexpr int MenuId(MenuItem item) { return static_cast<int>(item); }

}  // namespace zlt::manager
