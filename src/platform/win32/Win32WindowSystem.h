// The window system of the real program: forms, menus, message boxes, the
// message loop, the screen, the mouse and the keyboard.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "Win32Context.h"
#include "platform/WindowSystem.h"

namespace zlt::win32 {

class Win32WindowSystem final : public platform::IWindowSystem {
 public:
  // Reads the system DPI and registers the form class: make it after the
  // process's DPI awareness is settled. The rest comes with the first dialog
  // or control (Win32Context).
  explicit Win32WindowSystem(HINSTANCE instance);
  Win32WindowSystem(const Win32WindowSystem&) = delete;
  Win32WindowSystem& operator=(const Win32WindowSystem&) = delete;

  std::unique_ptr<platform::IForm> CreateForm(const platform::FormSpec& spec,
                                              platform::IFormEvents& events) override;
  std::unique_ptr<platform::IPopupMenu> CreatePopupMenu(
      const std::vector<platform::MenuItemSpec>& items) override;

  platform::WindowHandle FindWindowByCaption(std::string_view caption) const override;
  long SendClose(platform::WindowHandle window) override;
  platform::Answer AskYesNo(std::string_view text, std::string_view title) override;
  void ShowNotice(std::string_view text, std::string_view title) override;

  void DoEvents() override;
  void RunMessageLoop() override;

  platform::ScreenMetrics Screen() const override;
  std::optional<platform::PixelRect> MonitorRectOf(platform::WindowHandle window) const override;

  bool ShiftDown() const override;
  platform::PixelPoint CursorPos() const override;
  platform::WindowHandle WindowFromPoint(platform::PixelPoint point) const override;
  void InjectMouse(platform::MouseInjection what) override;

 private:
  // Tab keys move the focus between a form's tab stops; everything else is
  // translated and dispatched.
  void Deliver(const MSG& message);
  bool MovedFocusByTab(const MSG& message);

  Win32Context context_;
};

}  // namespace zlt::win32
