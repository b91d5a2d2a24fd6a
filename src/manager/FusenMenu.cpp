#include "manager/FusenMenu.h"

namespace zlt::manager {

std::vector<platform::MenuItemSpec> FusenMenuItems() {
  struct Row {
    MenuItem item;
    const char* caption;
    bool checked;
  };
  static constexpr Row kRows[] = {
      {MenuItem::NewMemo, "新規メモ", false},
      {MenuItem::ReView, "隠れている付箋紙を表示", false},
      {MenuItem::Bar05, "-", false},
      {MenuItem::FusenshiSeiretsu0, "この位置を基準に整列", false},
      {MenuItem::FusenshiSeiretsu1, "画面右上に整列", false},
      {MenuItem::FusenshiSeiretsu2, "画面右中央に整列", false},
      {MenuItem::FusenshiSeiretsu3, "画面右下に整列", false},
      {MenuItem::FusenshiSeiretsu4, "画面左上に整列", false},
      {MenuItem::FusenshiSeiretsu5, "画面左中央に整列", false},
      {MenuItem::FusenshiSeiretsu6, "画面左下に整列", false},
      {MenuItem::Ber02, "-", false},
      {MenuItem::TemaeView, "このメモを常に手前表示", true},
      {MenuItem::Toumei, "このメモを半透明にする", true},
      {MenuItem::Kyuchaku, "画面端に吸着させる", true},
      {MenuItem::Ber05, "-", false},
      {MenuItem::AllTemaeView, "全てのメモを常に手前表示", false},
      {MenuItem::AllTemaeViewOff, "全てのメモを常に手前表示解除", false},
      {MenuItem::AllToumei, "全てのメモを半透明表示", false},
      {MenuItem::AllToumeiOff, "全てのメモを半透明表示解除", false},
      {MenuItem::Ber03, "-", false},
      {MenuItem::PluginInfo, "Information", false},
      {MenuItem::Ber01, "-", false},
      {MenuItem::MemoDelete, "このメモを消す", false},
      {MenuItem::AllMemoDelete, "全てのメモを消す", false},
      {MenuItem::Bar04, "-", false},
      {MenuItem::MemoShade, "このメモを隠す（アラーム有効）", false},
      {MenuItem::AllMemoShade, "全てのメモを隠す（アラーム有効）", false},
      {MenuItem::Ber06, "-", false},
      {MenuItem::MemoClose, "このメモを隠す（アラーム無効）", false},
      {MenuItem::AllMemoClose, "全てのメモを隠す（アラーム無効）", false},
  };
  std::vector<platform::MenuItemSpec> items;
  items.reserve(std::size(kRows));
  for (const auto& row : kRows) items.push_back({MenuId(row.item), row.caption, row.checked});
  return items;
}

}  // namespace zlt::manager
