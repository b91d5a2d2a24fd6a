// A top-level window of the program and the events it reports.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/Controls.h"
#include "platform/FormScale.h"
#include "platform/Geometry.h"
#include "platform/WindowHandle.h"

namespace zlt::platform {

enum class FormStyle {
  Borderless,  // a note: no caption bar, no border, no taskbar button
  Dialog,      // fixed single border, caption, close button and the program icon
  ToolDialog,  // fixed dialog border, caption, close button, no icon
  Hidden,      // never shown: the controller of a second start
};

struct FormSpec {
  std::string caption;  // UTF-8
  FormStyle style = FormStyle::Borderless;
  // Borderless: the window rectangle. Dialogs: left and top of the window,
  // width and height of the client area (the backend adds the frame). Left
  // and top at the system scale; width and height at the window's own, that
  // of the monitor it is made on.
  TwipsRect bounds;
  std::optional<Colour> backColour;
};

// Mouse buttons and Shift state as bit sets.
namespace mouse {
constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kMiddle = 4;
}  // namespace mouse
namespace shift {
constexpr int kShift = 1;
constexpr int kCtrl = 2;
constexpr int kAlt = 4;
}  // namespace shift

struct MouseDown {
  int buttons = 0;  // mouse::k...
  int shift = 0;    // shift::k...
  Twips x = 0;      // relative to the control pressed
  Twips y = 0;
};

// The handlers a form's owner offers. A backend calls them for what the user or
// the system did, never for values the program set itself. A handler may
// destroy the form that reports the event: backends touch nothing of it after
// the call returns.
class IFormEvents {
 public:
  virtual ~IFormEvents() = default;

  virtual void OnMouseDown(int /*controlId*/, const MouseDown& /*press*/) {}
  virtual void OnClick(int /*controlId*/) {}
  virtual void OnDblClick(int /*controlId*/) {}
  virtual void OnKeyDown(int /*controlId*/, int /*keyCode*/, int /*shift*/) {}
  // A typed character (its code, 8 for Backspace); set it to 0 to discard it.
  virtual void OnKeyPress(int /*controlId*/, int& /*keyAscii*/) {}
  // The user changed a text box's text.
  virtual void OnChange(int /*controlId*/) {}
  virtual void OnGotFocus(int /*controlId*/) {}
  virtual void OnLostFocus(int /*controlId*/) {}
  virtual void OnTimer(int /*timerId*/) {}
  // The local time may have jumped: the system clock was set (WM_TIMECHANGE)
  // or the machine woke from sleep, during which no timer ran.
  virtual void OnClockChanged() {}
  virtual void OnActivate() {}
  // The window moved to a monitor of another DPI: it has taken the rectangle
  // the system suggested and placed its controls and fonts anew; what the
  // program shapes to its size (an outline, an exact size) follows here.
  virtual void OnScaleChanged() {}
  // The user or another program asked the window to close (WM_CLOSE). The
  // window stays until its owner destroys the form object; the result is what
  // the sender of the request gets back.
  virtual long OnCloseRequest() { return 0; }
  // Windows is ending the session: nothing may be left unsaved.
  virtual void OnEndSession() {}
  // A forwarded command: the bytes the sender passed (cbData of them), copied.
  virtual void OnCopyData(std::string_view /*bytes*/) {}
};

// The window system would not make a window or a control: the process is out
// of window objects, most likely. Thrown by CreateForm and AddControl; any
// other error from them is a fault of the program.
class WindowRefused : public std::runtime_error {
 public:
  WindowRefused() : std::runtime_error("the window system refused a new window") {}
  using std::runtime_error::runtime_error;
};

// A top-level window. Destroying the object destroys the window without
// running any handler.
class IForm {
 public:
  virtual ~IForm() = default;

  virtual WindowHandle Handle() const = 0;

  // Adds a control. Controls are created in call order; a parent comes first.
  // Throws WindowRefused when the window system will not make it.
  virtual IControl& AddControl(const ControlSpec& spec) = 0;
  virtual bool HasControl(int id) const = 0;
  virtual IControl& Control(int id) = 0;

  virtual void SetCaption(std::string_view caption) = 0;
  virtual std::string Caption() const = 0;

  // The window rectangle in twips at the system scale, as the screen measures
  // it. Backends keep whole pixels: a value set is rounded to the nearest
  // pixel and read back as pixels times twips per pixel.
  virtual TwipsRect Bounds() const = 0;
  virtual void SetBounds(const TwipsRect& bounds) = 0;
  // The window's own scale now: sizes in own twips go through it.
  virtual FormScale Scale() const = 0;

  // Showing does not activate the window unless asked.
  virtual void SetVisible(bool visible) = 0;
  virtual bool Visible() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual void Activate() = 0;
  virtual void Refresh() = 0;

  // Always in front (HWND_TOPMOST) or back among normal windows (HWND_NOTOPMOST).
  virtual void SetTopmost(bool topmost) = 0;
  // A value: the window becomes layered with that alpha. nullopt: it stops
  // being layered (alpha 255). Only the layered bit of the extended style
  // changes; the others (no taskbar button, for one) stay as they are.
  virtual void SetLayeredAlpha(std::optional<std::uint8_t> alpha) = 0;
  // A rounded outline of width x height pixels, corner ellipse as given.
  virtual void SetRoundRegion(int widthPx, int heightPx, int ellipsePx) = 0;

  // Timers report OnTimer(timerId) every intervalMs while started.
  virtual void StartTimer(int timerId, int intervalMs) = 0;
  virtual void StopTimer(int timerId) = 0;
  virtual bool TimerRunning(int timerId) const = 0;

  // Lets the window system move the window with the mouse until the button is
  // released (ReleaseCapture and a caption press); returns after the move.
  virtual void RunSystemMove() = 0;
};

}  // namespace zlt::platform
