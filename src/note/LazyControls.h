// A group of controls that exists as plain values until it is first shown.
// A thousand collapsed notes then cost only the windows they show; the values
// the program reads and writes are the same either way.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Controls.h"
#include "platform/Form.h"

namespace zlt::note {

class LazyControls {
 public:
  // specs describe the group as every note starts it; they are shared by all
  // notes and must outlive the group, which keeps only what it changed.
  explicit LazyControls(const std::vector<platform::ControlSpec>& specs);

  // Creates every control of the group on form with the values held so far.
  void Materialise(platform::IForm& form);
  bool Materialised() const { return form_ != nullptr; }

  std::string Text(int id) const;
  void SetText(int id, std::string_view text);
  bool Checked(int id) const;
  void SetChecked(int id, bool checked);
  bool Visible(int id) const;
  void SetVisible(int id, bool visible);
  bool Enabled(int id) const;
  void SetEnabled(int id, bool enabled);
  void SetBackColour(int id, platform::Colour colour);
  // The live control, or nullptr while the group is not created.
  platform::IControl* Live(int id);

 private:
  // A control's values that may differ from its shared spec.
  struct Held {
    std::optional<std::string> text;
    std::optional<platform::Colour> backColour;
    bool visible = true;
    bool enabled = true;
    bool checked = false;
  };
  // The index of id in specs_; throws std::out_of_range for an id of another group.
  std::size_t IndexOf(int id) const;

  const std::vector<platform::ControlSpec>& specs_;
  std::vector<Held> held_;  // one per spec, same order
  platform::IForm* form_ = nullptr;
};

}  // namespace zlt::note
