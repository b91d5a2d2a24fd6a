// Input that reaches controls by position: presses in text boxes at a
// character, typing at the caret, and the mouse events the program injects,
// which land on whatever window lies under the cursor when they are made.
#include "platform/sim/SimDesktop.h"

namespace zlt::sim {
namespace {

// The system's default double-click time.
constexpr std::int64_t kDoubleClickMs = 500;

}  // namespace

int Desktop::ControlAt(const SimForm& form, platform::PixelPoint point, platform::Twips& x,
                       platform::Twips& y) const {
  // Controls keep twips at their window's own scale.
  const platform::FormScale scale = form.Scale();
  const platform::PixelRect window = form.RectPx();
  const platform::Twips formX = scale.OwnTwips(point.x - window.left);
  const platform::Twips formY = scale.OwnTwips(point.y - window.top);
  x = formX;
  y = formY;
  // A control made later lies above those made before it.
  const auto controls = form.Controls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    const SimControl& control = **it;
    if (!control.EffectiveVisible()) continue;
    platform::Twips left = 0;
    platform::Twips top = 0;
    for (const SimControl* c = &control; c != nullptr; c = c->Parent()) {
      left += c->Spec().bounds.left;
      top += c->Spec().bounds.top;
    }
    const auto& bounds = control.Spec().bounds;
    if (formX >= left && formX < left + bounds.width && formY >= top &&
        formY < top + bounds.height) {
      x = formX - left;
      y = formY - top;
      return control.Id();
    }
  }
  return platform::kFormItself;
}

void Desktop::InjectMouse(platform::MouseInjection what) {
  const InjectedRecord record{what, cursor_, WindowFromPoint(cursor_)};
  injectedMouse_.push_back(record);
  // Input waits in the queue until the program lets events run.
  Defer([this, record] { DeliverInjected(record); });
}

void Desktop::DeliverInjected(const InjectedRecord& record) {
  SimForm* form = LiveForm(record.target);
  if (form == nullptr) {
    injectedPress_.reset();
    return;
  }
  platform::Twips x = 0;
  platform::Twips y = 0;
  const int controlId = ControlAt(*form, record.at, x, y);
  const auto spot = std::make_pair(record.target, controlId);
  const auto note = [&](const char* what) {
    mouseDeliveries_.push_back({record.target, controlId, what});
  };
  if (record.what == platform::MouseInjection::LeftDown) {
    const bool doubled = lastClickSpot_ == spot && Ticks() - lastClickTicks_ <= kDoubleClickMs;
    lastClickSpot_.reset();
    if (doubled) {
      // The second press of a double click reports no press and no click.
      injectedPress_.reset();
      note("dblclick");
      DblClick(*form, controlId);
      return;
    }
    injectedPress_ = spot;
    note("down");
    const int shift = shiftDown_ ? platform::shift::kShift : 0;
    MouseDown(*form, controlId, platform::MouseDown{platform::mouse::kLeft, shift, x, y});
    return;
  }
  // A release makes a click only where the press went down.
  const bool clicked = injectedPress_ == spot;
  injectedPress_.reset();
  if (!clicked) return;
  lastClickSpot_ = spot;
  lastClickTicks_ = Ticks();
  note("click");
  Click(*form, controlId);
}

bool Desktop::PressText(SimForm& form, int controlId, int character, int shift) {
  if (!Reachable(form, controlId) || controlId == platform::kFormItself) return false;
  SimControl& control = form.Control(controlId);
  if (!control.IsTextBox()) return false;
  // The control takes the focus and places the caret before anyone hears of it.
  Focus(form, controlId);
  control.PressAt(character, (shift & platform::shift::kShift) != 0);
  const platform::MouseDown press{platform::mouse::kLeft, shift,
                                  character * SimControl::kCharacterWidth, 0};
  return DeliverTo(form.handle_,
                   [&](platform::IFormEvents& events) { events.OnMouseDown(controlId, press); });
}

bool Desktop::TypeKeys(SimForm& form, int controlId, std::string_view text) {
  if (!Reachable(form, controlId) || controlId == platform::kFormItself) return false;
  SimControl& control = form.Control(controlId);
  if (!control.IsTextBox()) return false;
  control.ReplaceSelection(text);
  return DeliverTo(form.handle_,
                   [&](platform::IFormEvents& events) { events.OnChange(controlId); });
}

}  // namespace zlt::sim
