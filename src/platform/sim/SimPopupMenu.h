// A popup menu of a sim instance: keeps its check marks; showing it records
// the items as shown and takes the desktop's scripted choice.
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "platform/WindowSystem.h"

namespace zlt::sim {

class Desktop;

class SimPopupMenu final : public platform::IPopupMenu {
 public:
  SimPopupMenu(Desktop& desktop, std::vector<platform::MenuItemSpec> items)
      : desktop_(desktop), items_(std::move(items)) {}

  // Unknown ids are ignored, as CheckMenuItem does.
  void SetChecked(int id, bool checked) override;
  bool Checked(int id) const override;
  std::optional<int> TrackAtCursor(platform::IForm& owner) override;

  const std::vector<platform::MenuItemSpec>& Items() const { return items_; }

 private:
  Desktop& desktop_;
  std::vector<platform::MenuItemSpec> items_;
};

}  // namespace zlt::sim
