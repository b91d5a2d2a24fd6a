// The window system as a whole: creating forms, finding windows, menus,
// message boxes, the screen, the mouse and keyboard state.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Form.h"
#include "platform/Geometry.h"
#include "platform/WindowHandle.h"

namespace zlt::platform {

struct MenuItemSpec {
  int id = 0;           // the program's command number
  std::string caption;  // UTF-8; "-" makes a separator
  bool checked = false;
};

class IPopupMenu {
 public:
  virtual ~IPopupMenu() = default;
  virtual void SetChecked(int id, bool checked) = 0;
  virtual bool Checked(int id) const = 0;
  // Shows the menu at the mouse position on behalf of owner and returns the
  // command chosen, or nullopt when the menu was dismissed.
  virtual std::optional<int> TrackAtCursor(IForm& owner) = 0;
};

enum class Answer { Yes = 6, No = 7 };

enum class MouseInjection { LeftDown, LeftUp };

class IWindowSystem {
 public:
  virtual ~IWindowSystem() = default;

  // Throws WindowRefused when the window system will not make the window.
  virtual std::unique_ptr<IForm> CreateForm(const FormSpec& spec, IFormEvents& events) = 0;
  virtual std::unique_ptr<IPopupMenu> CreatePopupMenu(const std::vector<MenuItemSpec>& items) = 0;

  // The top-level window, of any program, whose caption is exactly this text.
  virtual WindowHandle FindWindowByCaption(std::string_view caption) const = 0;
  // Sends WM_CLOSE and waits for the window to handle it; returns its answer.
  virtual long SendClose(WindowHandle window) = 0;

  // Yes/No box with a question icon and Yes as the default button.
  virtual Answer AskYesNo(std::string_view text, std::string_view title) = 0;
  // A notice with an exclamation icon and one OK button; returns once it is read.
  virtual void ShowNotice(std::string_view text, std::string_view title) = 0;

  // Lets pending events run once, then returns.
  virtual void DoEvents() = 0;
  // Runs events until the process ends.
  virtual void RunMessageLoop() = 0;

  virtual ScreenMetrics Screen() const = 0;
  // The full rectangle of the monitor holding most of the window, or nullopt
  // when the window lies on no monitor.
  virtual std::optional<PixelRect> MonitorRectOf(WindowHandle window) const = 0;

  // Shift as held when the mouse event being handled happened; outside one,
  // as held now.
  virtual bool ShiftDown() const = 0;
  virtual PixelPoint CursorPos() const = 0;
  virtual WindowHandle WindowFromPoint(PixelPoint point) const = 0;
  virtual void InjectMouse(MouseInjection what) = 0;
};

}  // namespace zlt::platform
