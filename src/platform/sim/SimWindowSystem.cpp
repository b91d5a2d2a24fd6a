#include "platform/sim/SimWindowSystem.h"

#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimInstance.h"
#include "platform/sim/SimPopupMenu.h"

namespace zlt::sim {

std::unique_ptr<platform::IForm> SimWindowSystem::CreateForm(const platform::FormSpec& spec,
                                                             platform::IFormEvents& events) {
  if (desktop_.windowsBeforeRefusal_ > 0) {
    --desktop_.windowsBeforeRefusal_;
  } else if (desktop_.windowsToRefuse_ > 0) {
    --desktop_.windowsToRefuse_;
    throw platform::WindowRefused();
  }
  return desktop_.CreateForm(&instance_, spec, events);
}

std::unique_ptr<platform::IPopupMenu> SimWindowSystem::CreatePopupMenu(
    const std::vector<platform::MenuItemSpec>& items) {
  return std::make_unique<SimPopupMenu>(desktop_, items);
}

platform::WindowHandle SimWindowSystem::FindWindowByCaption(std::string_view caption) const {
  const SimForm* form = desktop_.FindForm(caption);
  return form != nullptr ? form->Handle() : platform::kNoWindow;
}

long SimWindowSystem::SendClose(platform::WindowHandle window) {
  long result = 0;
  desktop_.DeliverTo(window,
                     [&](platform::IFormEvents& events) { result = events.OnCloseRequest(); });
  desktop_.ReturnInto(instance_);
  return result;
}

platform::Answer SimWindowSystem::AskYesNo(std::string_view text, std::string_view title) {
  return desktop_.AskYesNo(text, title);
}

void SimWindowSystem::ShowNotice(std::string_view text, std::string_view title) {
  desktop_.messageBoxes_.push_back({std::string(text), std::string(title), std::nullopt});
}

void SimWindowSystem::DoEvents() {
  desktop_.RunDeferred();
  desktop_.ReturnInto(instance_);
}

platform::ScreenMetrics SimWindowSystem::Screen() const { return desktop_.Screen(); }

std::optional<platform::PixelRect> SimWindowSystem::MonitorRectOf(
    platform::WindowHandle window) const {
  return desktop_.MonitorRectOf(window);
}

bool SimWindowSystem::ShiftDown() const { return desktop_.ShiftDown(); }

platform::PixelPoint SimWindowSystem::CursorPos() const { return desktop_.Cursor(); }

platform::WindowHandle SimWindowSystem::WindowFromPoint(platform::PixelPoint point) const {
  return desktop_.WindowFromPoint(point);
}

void SimWindowSystem::InjectMouse(platform::MouseInjection what) { desktop_.InjectMouse(what); }

}  // namespace zlt::sim
