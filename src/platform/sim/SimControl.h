// A control of a sim window: keeps every value the program sets and what a
// test needs to read back.
#pragma once

#include <algorithm>
#include <cstdlib>
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
  // Clamped to the text, in characters (not bytes). The caret goes to the end.
  void SetSelection(int start, int length) override;
  // Every character cell is kCharacterWidth wide, from the control's left edge.
  int CharacterFromPoint(platform::Twips x, platform::Twips y) const override;
  void Focus() override;

  static constexpr platform::Twips kCharacterWidth = 120;

  // A plain edit control's own handling of a left press at a character: the
  // caret goes there and, with Shift held, the selection runs from its anchor
  // (the end away from the old caret) to the caret; without Shift it is empty.
  void PressAt(int character, bool shift);
  // Typed text replaces the selection; the caret follows it.
  void ReplaceSelection(std::string_view text);

  // What tests read.
  const platform::ControlSpec& Spec() const { return spec_; }
  // Where the control stands in its container, in pixels at its window's
  // scale now.
  platform::PixelRect RectPx() const;
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
  int SelectionStart() const { return std::min(anchor_, caret_); }
  int SelectionLength() const { return std::abs(caret_ - anchor_); }
  int Caret() const { return caret_; }
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
  int anchor_ = 0;  // the end of the selection away from the caret
  int caret_ = 0;
};

// Characters (code points) in UTF-8 text.
int CharacterCount(std::string_view utf8);

}  // namespace zlt::sim
