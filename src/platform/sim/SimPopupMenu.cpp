#include "platform/sim/SimPopupMenu.h"

#include "platform/sim/SimDesktop.h"

namespace zlt::sim {

void SimPopupMenu::SetChecked(int id, bool checked) {
  for (auto& item : items_) {
    if (item.id == id && item.caption != "-") item.checked = checked;
  }
}

bool SimPopupMenu::Checked(int id) const {
  for (const auto& item : items_) {
    if (item.id == id && item.caption != "-") return item.checked;
  }
  return false;
}

std::optional<int> SimPopupMenu::TrackAtCursor(platform::IForm& owner) {
  return desktop_.TrackMenu(items_, owner.Handle());
}

}  // namespace zlt::sim
