// The sim desktop's events of a user or the system: presses, clicks, typing,
// keys, focus, close requests, activation and the end of the session, each
// delivered only where Windows would deliver it.
#include "platform/sim/SimDesktop.h"

namespace zlt::sim {

bool Desktop::MouseDown(SimForm& form, int controlId, platform::MouseDown press) {
  if (!Reachable(form, controlId)) return false;
  return DeliverTo(form.handle_,
                   [&](platform::IFormEvents& events) { events.OnMouseDown(controlId, press); });
}

bool Desktop::Click(SimForm& form, int controlId) {
  if (!Reachable(form, controlId)) return false;
  if (controlId != platform::kFormItself) {
    SimControl& control = form.Control(controlId);
    if (control.Kind() == platform::ControlKind::CheckBox) control.SetChecked(!control.Checked());
  }
  return DeliverTo(form.handle_, [&](platform::IFormEvents& events) { events.OnClick(controlId); });
}

bool Desktop::DblClick(SimForm& form, int controlId) {
  if (!Reachable(form, controlId)) return false;
  return DeliverTo(form.handle_,
                   [&](platform::IFormEvents& events) { events.OnDblClick(controlId); });
}

bool Desktop::Type(SimForm& form, int controlId, std::string_view text) {
  if (!Reachable(form, controlId) || controlId == platform::kFormItself) return false;
  SimControl& control = form.Control(controlId);
  if (!control.IsTextBox()) return false;
  control.SetText(text);
  control.SetSelection(CharacterCount(text), 0);
  return DeliverTo(form.handle_,
                   [&](platform::IFormEvents& events) { events.OnChange(controlId); });
}

bool Desktop::KeyDown(SimForm& form, int controlId, int keyCode, int shift) {
  if (!Reachable(form, controlId)) return false;
  return DeliverTo(form.handle_, [&](platform::IFormEvents& events) {
    events.OnKeyDown(controlId, keyCode, shift);
  });
}

int Desktop::KeyPress(SimForm& form, int controlId, int keyAscii) {
  if (!Reachable(form, controlId)) return 0;
  int code = keyAscii;
  const bool delivered = DeliverTo(
      form.handle_, [&](platform::IFormEvents& events) { events.OnKeyPress(controlId, code); });
  return delivered ? code : 0;
}

bool Desktop::Focus(SimForm& form, int controlId) {
  if (!Reachable(form, controlId)) return false;
  const platform::WindowHandle handle = form.handle_;
  const auto target = std::make_pair(handle, controlId);
  if (focus_ == target) return true;
  const auto previous = focus_;
  focus_ = target;
  if (previous) {
    const int previousId = previous->second;
    DeliverTo(previous->first,
              [&](platform::IFormEvents& events) { events.OnLostFocus(previousId); });
  }
  DeliverTo(handle, [&](platform::IFormEvents& events) { events.OnGotFocus(controlId); });
  return true;
}

long Desktop::RequestClose(SimForm& form) {
  long result = 0;
  DeliverTo(form.handle_, [&](platform::IFormEvents& events) { result = events.OnCloseRequest(); });
  return result;
}

bool Desktop::Activate(SimForm& form) {
  if (LiveForm(form.handle_) != &form) return false;
  BringToTop(form);
  active_ = form.handle_;
  return DeliverTo(form.handle_, [](platform::IFormEvents& events) { events.OnActivate(); });
}

void Desktop::EndSession() {
  std::vector<platform::WindowHandle> handles;
  for (const SimForm* form : Forms()) handles.push_back(form->handle_);
  for (const platform::WindowHandle handle : handles) {
    DeliverTo(handle, [](platform::IFormEvents& events) { events.OnEndSession(); });
  }
}

}  // namespace zlt::sim
