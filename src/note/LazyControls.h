// A group of controls that exists as plain values until it is first shown.
// A thousand collapsed notes then cost only the windows they show; the values
// the program reads and writes are the same either way.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Controls.h"
#include "platform/Form.h"

namespace zlt::note {

class LazyControls {
 public:
  explicit LazyControls(std::vector<platform::ControlSpec> specs);

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
  struct Held {
    platform::ControlSpec spec;
    bool checked = false;
  };
  Held& At(int id);
  const Held& At(int id) const;

  std::vector<Held> held_;
  std::map<int, std::size_t> index_;
  platform::IForm* form_ = nullptr;
};

}  // namespace zlt::note
