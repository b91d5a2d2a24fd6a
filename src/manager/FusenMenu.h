// The note popup menu: every command that acts on one note or on all notes.
#pragma once

#include <string_view>
#include <vector>

#include "platform/WindowSystem.h"

namespace zlt::manager {

enum class MenuItem {
  NewMemo = 1,
  ReView,
  Bar05,
  FusenshiSeiretsu0,
  FusenshiSeiretsu1,
  FusenshiSeiretsu2,
  FusenshiSeiretsu3,
  FusenshiSeiretsu4,
  FusenshiSeiretsu5,
  FusenshiSeiretsu6,
  Ber02,
  TemaeView,
  Toumei,
  Kyuchaku,
  Ber05,
  AllTemaeView,
  AllTemaeViewOff,
  AllToumei,
  AllToumeiOff,
  Ber03,
  PluginInfo,
  Ber01,
  MemoDelete,
  AllMemoDelete,
  Bar04,
  MemoShade,
  AllMemoShade,
  Ber06,
  MemoClose,
  AllMemoClose,
};

// The thirty items in display order, with their initial check marks.
std::vector<platform::MenuItemSpec> FusenMenuItems();

constexpr int MenuId(MenuItem item) { return static_cast<int>(item); }

}  // namespace zlt::manager
