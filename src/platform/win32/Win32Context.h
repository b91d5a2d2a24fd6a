// What every form and control of the window system shares: the module, the
// DPI, the classes, the program icon, fonts, brushes, and whether the program
// itself is busy changing windows. What only dialogs, controls and message
// boxes need is made with the first of them: a second start makes one hidden
// form and ends.
#pragma once

#include <windows.h>

#include <optional>

#include "Dpi.h"
#include "GdiCache.h"
#include "Handles.h"
#include "MonitorCache.h"
#include "WindowClasses.h"

namespace zlt::win32 {

// The program icon's resource id.
constexpr int kProgramIconId = 1;

struct Win32Context {
  HINSTANCE instance = nullptr;
  Dpi dpi;
  FontCache fonts;
  BrushCache brushes;
  MonitorCache monitors;
  WindowClass formClass;
  // One tooltip window serves every form: a thousand notes would otherwise
  // cost a thousand more top-level windows.
  UniqueWindow tooltips;
  // Above zero while a call of the program shows, hides, focuses or destroys
  // windows: focus and activation changes it causes are its own doing and are
  // not reported as events (the program runs such handlers itself).
  int programCallDepth = 0;
  // Shift as the mouse message being handled reports it (MK_SHIFT). The
  // thread's own key state can miss a Shift pressed while another program
  // had the keyboard, so a click on a note that was not active would lose it.
  std::optional<bool> mouseShift;

  bool InProgramCall() const { return programCallDepth > 0; }

  // The program icon, 32 x 32 and 16 x 16; null when it cannot be loaded.
  HICON ProgramIcon();
  HICON SmallProgramIcon();
  // Before a control or a message box is made: the common controls (the
  // classes of version 6, the tooltip window) and the class of frames and
  // picture boxes.
  void PrepareControls();
  const wchar_t* BoxClassName() const { return boxClass_.Name(); }

 private:
  UniqueIcon programIcon_;
  UniqueIcon smallProgramIcon_;
  bool controlsPrepared_ = false;
  WindowClass boxClass_;
};

// While a mouse message is reported: its Shift state, then the one before.
class MouseShiftScope {
 public:
  MouseShiftScope(Win32Context& context, WPARAM wParam)
      : context_(context), saved_(context.mouseShift) {
    context_.mouseShift = (wParam & MK_SHIFT) != 0;
  }
  MouseShiftScope(const MouseShiftScope&) = delete;
  MouseShiftScope& operator=(const MouseShiftScope&) = delete;
  ~MouseShiftScope() { context_.mouseShift = saved_; }

 private:
  Win32Context& context_;
  std::optional<bool> saved_;
};

class ProgramCall {
 public:
  explicit ProgramCall(Win32Context& context) : context_(context) { ++context_.programCallDepth; }
  ProgramCall(const ProgramCall&) = delete;
  ProgramCall& operator=(const ProgramCall&) = delete;
  ~ProgramCall() { --context_.programCallDepth; }

 private:
  Win32Context& context_;
};

}  // namespace zlt::win32
