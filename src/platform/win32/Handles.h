// Move-only owners of window-system and kernel objects: windows, GDI objects,
// menus, icons, device contexts, files, processes, mutexes, directory
// searches. Each one releases with the single call its kind needs and holds
// everything that call takes.
#pragma once

#include <windows.h>

#include <cstddef>
#include <utility>

namespace zlt::win32 {

// One owned handle. Traits has a static Free(Handle) that releases it and a
// static Empty() giving the value by which the API says "no handle"; an owner
// holding that value owns nothing and releases nothing.
template <typename Handle, typename Traits>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept
      : handle_(std::exchange(other.handle_, Traits::Empty())) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, Traits::Empty()));
    return *this;
  }
  ~UniqueHandle() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != Traits::Empty(); }

  void Reset(Handle handle = Traits::Empty()) {
    if (handle_ != Traits::Empty()) Traits::Free(handle_);
    handle_ = handle;
  }
  // Hands the object to someone who releases it (SetWindowRgn takes its region).
  [[nodiscard]] Handle Release() { return std::exchange(handle_, Traits::Empty()); }

 private:
  Handle handle_ = Traits::Empty();
};

// For the calls that say "no handle" with null.
struct NullIsEmpty {
  static constexpr std::nullptr_t Empty() { return nullptr; }
};
// For the calls that say it with INVALID_HANDLE_VALUE (CreateFileW, FindFirstFileW).
struct InvalidIsEmpty {
  static HANDLE Empty() { return INVALID_HANDLE_VALUE; }
};

struct DestroyWindowRelease : NullIsEmpty {
  // A child is gone already when its parent went first.
  static void Free(HWND window) {
    if (IsWindow(window)) DestroyWindow(window);
  }
};
struct DeleteObjectRelease : NullIsEmpty {
  static void Free(HGDIOBJ object) { DeleteObject(object); }
};
struct DestroyMenuRelease : NullIsEmpty {
  static void Free(HMENU menu) { DestroyMenu(menu); }
};
struct DestroyIconRelease : NullIsEmpty {
  static void Free(HICON icon) { DestroyIcon(icon); }
};

using UniqueWindow = UniqueHandle<HWND, DestroyWindowRelease>;
using UniqueFont = UniqueHandle<HFONT, DeleteObjectRelease>;
using UniqueBrush = UniqueHandle<HBRUSH, DeleteObjectRelease>;
using UniqueRegion = UniqueHandle<HRGN, DeleteObjectRelease>;
using UniqueMenu = UniqueHandle<HMENU, DestroyMenuRelease>;
using UniqueIcon = UniqueHandle<HICON, DestroyIconRelease>;
using UniquePen = UniqueHandle<HPEN, DeleteObjectRelease>;

// Processes, threads and mutexes (CreateProcessW, OpenProcess, CreateMutexW).
struct CloseHandleRelease : NullIsEmpty {
  static void Free(HANDLE handle) { CloseHandle(handle); }
};
// Files (CreateFileW): the same release, another "no handle".
struct CloseFileRelease : InvalidIsEmpty {
  static void Free(HANDLE file) { CloseHandle(file); }
};
struct FindCloseRelease : InvalidIsEmpty {
  static void Free(HANDLE search) { FindClose(search); }
};
// A mutex this thread owns: released, then closed, so a waiter sees a clean
// release rather than an abandoned mutex.
struct OwnedMutexRelease : NullIsEmpty {
  static void Free(HANDLE mutex) {
    ReleaseMutex(mutex);
    CloseHandle(mutex);
  }
};

using KernelHandle = UniqueHandle<HANDLE, CloseHandleRelease>;
using FileHandle = UniqueHandle<HANDLE, CloseFileRelease>;
using FindHandle = UniqueHandle<HANDLE, FindCloseRelease>;
using OwnedMutex = UniqueHandle<HANDLE, OwnedMutexRelease>;

// A window's device context from GetDC, given back with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  WindowDc(WindowDc&& other) noexcept
      : window_(other.window_), dc_(std::exchange(other.dc_, nullptr)) {}
  WindowDc& operator=(WindowDc&&) = delete;
  ~WindowDc() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint ... EndPaint.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window) { BeginPaint(window_, &paint_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  ~PaintScope() { EndPaint(window_, &paint_); }
  HDC Dc() const { return paint_.hdc; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
};

// An object selected into a DC; the previous one goes back at the end.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() {
    if (previous_ != nullptr) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace zlt::win32
