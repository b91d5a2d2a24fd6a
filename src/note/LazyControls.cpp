#include "note/LazyControls.h"

#include <stdexcept>

namespace zlt::note {

LazyControls::LazyControls(const std::vector<platform::ControlSpec>& specs) : specs_(specs) {
  held_.reserve(specs_.size());
  for (const auto& spec : specs_) held_.push_back(Held{{}, {}, spec.visible, spec.enabled, false});
}

std::size_t LazyControls::IndexOf(int id) const {
  // Groups number their controls one after another, so the place is most
  // often known at once; otherwise a handful of controls are walked.
  if (!specs_.empty() && id >= specs_.front().id) {
    const auto guess = static_cast<std::size_t>(id - specs_.front().id);
    if (guess < specs_.size() && specs_[guess].id == id) return guess;
  }
  for (std::size_t i = 0; i < specs_.size(); ++i) {
    if (specs_[i].id == id) return i;
  }
  throw std::out_of_range("control not in group");
}

void LazyControls::Materialise(platform::IForm& form) {
  if (form_ != nullptr) return;
  form_ = &form;
  for (std::size_t i = 0; i < specs_.size(); ++i) {
    const Held& held = held_[i];
    platform::ControlSpec spec = specs_[i];
    if (held.text) spec.text = *held.text;
    if (held.backColour) spec.backColour = held.backColour;
    spec.visible = held.visible;
    spec.enabled = held.enabled;
    auto& control = form.AddControl(spec);
    if (held.checked) control.SetChecked(true);
  }
}

platform::IControl* LazyControls::Live(int id) {
  IndexOf(id);  // only ids of this group
  return form_ != nullptr ? &form_->Control(id) : nullptr;
}

std::string LazyControls::Text(int id) const {
  const std::size_t i = IndexOf(id);
  if (form_ != nullptr) return form_->Control(id).Text();
  return held_[i].text ? *held_[i].text : specs_[i].text;
}

void LazyControls::SetText(int id, std::string_view text) {
  held_[IndexOf(id)].text = text;
  if (form_ != nullptr) form_->Control(id).SetText(text);
}

bool LazyControls::Checked(int id) const {
  const std::size_t i = IndexOf(id);
  return form_ != nullptr ? form_->Control(id).Checked() : held_[i].checked;
}

void LazyControls::SetChecked(int id, bool checked) {
  held_[IndexOf(id)].checked = checked;
  if (form_ != nullptr) form_->Control(id).SetChecked(checked);
}

bool LazyControls::Visible(int id) const {
  const std::size_t i = IndexOf(id);
  return form_ != nullptr ? form_->Control(id).Visible() : held_[i].visible;
}

void LazyControls::SetVisible(int id, bool visible) {
  held_[IndexOf(id)].visible = visible;
  if (form_ != nullptr) form_->Control(id).SetVisible(visible);
}

bool LazyControls::Enabled(int id) const {
  const std::size_t i = IndexOf(id);
  return form_ != nullptr ? form_->Control(id).Enabled() : held_[i].enabled;
}

void LazyControls::SetEnabled(int id, bool enabled) {
  held_[IndexOf(id)].enabled = enabled;
  if (form_ != nullptr) form_->Control(id).SetEnabled(enabled);
}

void LazyControls::SetBackColour(int id, platform::Colour colour) {
  held_[IndexOf(id)].backColour = colour;
  if (form_ != nullptr) form_->Control(id).SetBackColour(colour);
}

}  // namespace zlt::note
