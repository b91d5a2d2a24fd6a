#include "note/LazyControls.h"

#include <stdexcept>

namespace zlt::note {

LazyControls::LazyControls(std::vector<platform::ControlSpec> specs) {
  held_.reserve(specs.size());
  for (auto& spec : specs) {
    index_[spec.id] = held_.size();
    held_.push_back(Held{std::move(spec), false});
  }
}

LazyControls::Held& LazyControls::At(int id) {
  const auto found = index_.find(id);
  if (found == index_.end()) throw std::out_of_range("control not in group");
  return held_[found->second];
}

const LazyControls::Held& LazyControls::At(int id) const {
  return const_cast<LazyControls*>(this)->At(id);
}

void LazyControls::Materialise(platform::IForm& form) {
  if (form_ != nullptr) return;
  form_ = &form;
  for (auto& held : held_) {
    auto& control = form.AddControl(held.spec);
    if (held.checked) control.SetChecked(true);
  }
}

platform::IControl* LazyControls::Live(int id) {
  At(id);  // only ids of this group
  return form_ != nullptr ? &form_->Control(id) : nullptr;
}

std::string LazyControls::Text(int id) const {
  const auto& held = At(id);
  return form_ != nullptr ? form_->Control(id).Text() : held.spec.text;
}

void LazyControls::SetText(int id, std::string_view text) {
  At(id).spec.text = text;
  if (auto* live = Live(id)) live->SetText(text);
}

bool LazyControls::Checked(int id) const {
  const auto& held = At(id);
  return form_ != nullptr ? form_->Control(id).Checked() : held.checked;
}

void LazyControls::SetChecked(int id, bool checked) {
  At(id).checked = checked;
  if (auto* live = Live(id)) live->SetChecked(checked);
}

bool LazyControls::Visible(int id) const {
  const auto& held = At(id);
  return form_ != nullptr ? form_->Control(id).Visible() : held.spec.visible;
}

void LazyControls::SetVisible(int id, bool visible) {
  At(id).spec.visible = visible;
  if (auto* live = Live(id)) live->SetVisible(visible);
}

bool LazyControls::Enabled(int id) const {
  const auto& held = At(id);
  return form_ != nullptr ? form_->Control(id).Enabled() : held.spec.enabled;
}

void LazyControls::SetEnabled(int id, bool enabled) {
  At(id).spec.enabled = enabled;
  if (auto* live = Live(id)) live->SetEnabled(enabled);
}

void LazyControls::SetBackColour(int id, platform::Colour colour) {
  At(id).spec.backColour = colour;
  if (auto* live = Live(id)) live->SetBackColour(colour);
}

}  // namespace zlt::note
