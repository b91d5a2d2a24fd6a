#include "manager/NoteMenu.h"

namespace zlt::manager {

std::vector<platform::MenuItemSpec> NoteMenuItems() {
  struct Row {
    MenuItem item;
    const char* caption;
    bool checked;
  };
  static constexpr Row kRows[] = {
      {MenuItem::NewNote, "新規メモ", false},
      {MenuItem::ShowHidden, "隠れている付箋紙を表示", false},
      {MenuItem::SeparatorBeforeArrange, "-", false},
      {MenuItem::ArrangeFromThisNote, "この位置を基準に整列", false},
      {MenuItem::ArrangeTopRight, "画面右上に整列", false},
      {MenuItem::ArrangeMiddleRight, "画面右中央に整列", false},
      {MenuItem::ArrangeBottomRight, "画面右下に整列", false},
      {MenuItem::ArrangeTopLeft, "画面左上に整列", false},
      {MenuItem::ArrangeMiddleLeft, "画面左中央に整列", false},
      {MenuItem::ArrangeBottomLeft, "画面左下に整列", false},
      {MenuItem::SeparatorBeforeOptions, "-", false},
      {MenuItem::InFront, "このメモを常に手前表示", true},
      {MenuItem::Translucent, "このメモを半透明にする", true},
      {MenuItem::Snap, "画面端に吸着させる", true},
      {MenuItem::SeparatorBeforeAllOptions, "-", false},
      {MenuItem::AllInFront, "全てのメモを常に手前表示", false},
      {MenuItem::AllInFrontOff, "全てのメモを常に手前表示解除", false},
      {MenuItem::AllTranslucent, "全てのメモを半透明表示", false},
      {MenuItem::AllTranslucentOff, "全てのメモを半透明表示解除", false},
      {MenuItem::SeparatorBeforeInformation, "-", false},
      {MenuItem::Information, "Information", false},
      {MenuItem::SeparatorBeforeDelete, "-", false},
      {MenuItem::DeleteNote, "このメモを消す", false},
      {MenuItem::DeleteAllNotes, "全てのメモを消す", false},
      {MenuItem::SeparatorBeforeHide, "-", false},
      {MenuItem::HideNote, "このメモを隠す（アラーム有効）", false},
      {MenuItem::HideAllNotes, "全てのメモを隠す（アラーム有効）", false},
      {MenuItem::SeparatorBeforeClose, "-", false},
      {MenuItem::CloseNote, "このメモを隠す（アラーム無効）", false},
      {MenuItem::CloseAllNotes, "全てのメモを隠す（アラーム無効）", false},
  };
  std::vector<platform::MenuItemSpec> items;
  items.reserve(std::size(kRows));
  for (const auto& row : kRows) items.push_back({MenuId(row.item), row.caption, row.checked});
  return items;
}

}  // namespace zlt::manager
