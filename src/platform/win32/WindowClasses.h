// The two window classes of the program: top-level forms and the boxes that
// hold other controls (frames and picture boxes).
#pragma once

#include <windows.h>

namespace zlt::win32 {

// A registered class, unregistered with the module it was registered for.
class WindowClass {
 public:
  WindowClass() = default;
  WindowClass(ATOM atom, HINSTANCE instance) : atom_(atom), instance_(instance) {}
  WindowClass(const WindowClass&) = delete;
  WindowClass& operator=(const WindowClass&) = delete;
  WindowClass(WindowClass&& other) noexcept;
  WindowClass& operator=(WindowClass&& other) noexcept;
  ~WindowClass();

  ATOM Atom() const { return atom_; }
  // The class as CreateWindowExW takes it.
  const wchar_t* Name() const { return MAKEINTATOM(atom_); }

 private:
  ATOM atom_ = 0;
  HINSTANCE instance_ = nullptr;
};

WindowClass RegisterFormClass(HINSTANCE instance, WNDPROC windowProc);
WindowClass RegisterBoxClass(HINSTANCE instance);

}  // namespace zlt::win32
