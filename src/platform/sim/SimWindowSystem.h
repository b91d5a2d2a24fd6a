// The window system as one sim instance sees it: its forms are made on the
// shared desktop, and searches reach the windows of every instance.
#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/WindowSystem.h"

namespace zlt::sim {

class Desktop;
class Instance;

class SimWindowSystem final : public platform::IWindowSystem {
 public:
  SimWindowSystem(Desktop& desktop, Instance& instance) : desktop_(desktop), instance_(instance) {}

  std::unique_ptr<platform::IForm> CreateForm(const platform::FormSpec& spec,
                                              platform::IFormEvents& events) override;
  std::unique_ptr<platform::IPopupMenu> CreatePopupMenu(
      const std::vector<platform::MenuItemSpec>& items) override;
  // Every instance's windows, hidden ones too, top of z-order first.
  platform::WindowHandle FindWindowByCaption(std::string_view caption) const override;
  // OnCloseRequest, synchronously; 0 when there is no such window.
  long SendClose(platform::WindowHandle window) override;
  platform::Answer AskYesNo(std::string_view text, std::string_view title) override;
  void ShowNotice(std::string_view text, std::string_view title) override;
  // Runs deferred events; virtual time does not move.
  void DoEvents() override;
  // Returns at once: tests drive the events.
  void RunMessageLoop() override {}
  platform::ScreenMetrics Screen() const override;
  std::optional<platform::PixelRect> MonitorRectOf(platform::WindowHandle window) const override;
  bool ShiftDown() const override;
  platform::PixelPoint CursorPos() const override;
  platform::WindowHandle WindowFromPoint(platform::PixelPoint point) const override;
  void InjectMouse(platform::MouseInjection what) override;

 private:
  Desktop& desktop_;
  Instance& instance_;
};

}  // namespace zlt::sim
