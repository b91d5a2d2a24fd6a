// A control of a sim window: keeps every value the program sets and what a
// test needs to read back.
#pragma once

#include <string>
#include <string_view>

#include "platform/Controls.h"

namespace zlt::sim {

class SimForm;

class SimControl final : public platform::IControl {
 public:
  SimControl(SimForm& form, SimControl* parent, platform::ControlSpec spec);
  ~SimControl() override = default;
  SimControl(const SimControl&) = delete;
  SimControl& operator=(const SimControl&) = delete;

  // IControl. Setting a value never reports an event.
  void SetText(std::string_view text) override;
  std::string Text() const override;
  void SetVisible(bool visible) override;
  bool Visible() const override;
  void SetEnabled(bool enabled) override;
  bool Enabled() const override;
  void SetBackColour(platform::Colour colour) override;
  platform::Colour BackColour() const override;
  void SetChecked(bool checked) override;
  bool Checked() const override;
  // Clamped to the text, in characters (not bytes).
  void SetSelection(int start, int length) override;
  void Focus() override;

  // What tests read.
  const platform::ControlSpec& Spec() const { return spec_; }
  int Id() const { return spec_.id; }
  platform::ControlKind Kind() const { return spec_.kind; }
  bool IsTextBox() const;
  SimForm& Form() const { return form_; }
  SimControl* Parent() const { return parent_; }  // nullptr: the form itself
  // Shown on screen as far as the form's content goes: its own flag and that
  // of every container above it (the form's own visibility is not included).
  bool EffectiveVisible() const;
  // Its own flag and that of every container above it.
  bool EffectiveEnabled() const;
  int SelectionStart() const { return selectionStart_; }
  int SelectionLength() const { return selectionLength_; }
  std::string SelectedText() const;
  bool HasFocus() const;

 private:
  SimForm& form_;
  SimControl* parent_;
  platform::ControlSpec spec_;
  std::string text_;
  bool visible_;
  bool enabled_;
  bool checked_ = false;
  platform::Colour backColour_;
  int selectionStart_ = 0;
  int selectionLength_ = 0;
};

// Characters (code points) in UTF-8 text.
int CharacterCount(std::string_view utf8);

}  // namespace zlt::sim
