// What every form and control of the window system shares: the module, the
// DPI, the classes, the program icon, fonts, brushes, and whether the program
// itself is busy changing windows.
#pragma once

#include <windows.h>

#include "Dpi.h"
#include "GdiCache.h"
#include "Handles.h"
#include "WindowClasses.h"

namespace zlt::win32 {

// The program icon's resource id.
constexpr int kProgramIconId = 1;

struct Win32Context {
  HINSTANCE instance = nullptr;
  Dpi dpi;
  FontCache fonts{96};
  BrushCache brushes;
  UniqueIcon programIcon;       // 32 x 32
  UniqueIcon programIconSmall;  // 16 x 16
  WindowClass formClass;
  WindowClass boxClass;
  // One tooltip window serves every form: a thousand notes would otherwise
  // cost a thousand more top-level windows.
  UniqueWindow tooltips;
  // Above zero while a call of the program shows, hides, focuses or destroys
  // windows: focus and activation changes it causes are its own doing and are
  // not reported as events (the program runs such handlers itself).
  int programCallDepth = 0;

  bool InProgramCall() const { return programCallDepth > 0; }
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
