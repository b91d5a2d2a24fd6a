// The monitors' rectangles, asked of the system at most once a second and at
// once after the display changes. Every question about monitors costs the
// window system a look at its display configuration; a thousand notes checked
// at start-up and by the snap tick every half second would ask it thousands
// of times for the same answer. The age limit is for systems that change the
// display without telling (Wine does not send WM_DISPLAYCHANGE when the X
// screen is resized from outside).
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

namespace zlt::win32 {

class MonitorCache {
 public:
  explicit MonitorCache(int systemDpi = 96) : systemDpi_(systemDpi) {}
  // The monitor that holds most of rect, as MonitorFromRect with
  // MONITOR_DEFAULTTONULL chooses it: the first of equal shares, none when no
  // monitor meets the rectangle.
  std::optional<RECT> MonitorOf(const RECT& rect) const;
  // The DPI of that monitor; nullopt when no monitor meets the rectangle.
  std::optional<int> DpiOf(const RECT& rect) const;
  // The primary monitor's size in pixels (SM_CXSCREEN, SM_CYSCREEN).
  SIZE PrimarySize() const;
  // The display changed (WM_DISPLAYCHANGE): ask again next time.
  void Forget() { valid_ = false; }

 private:
  static constexpr ULONGLONG kMaxAgeMs = 1000;

  struct Monitor {
    RECT rect;
    int dpi;  // its own, or the system's where monitors have none
  };
  void Refresh() const;
  const Monitor* Holding(const RECT& rect) const;

  mutable bool valid_ = false;
  mutable ULONGLONG askedAt_ = 0;
  mutable std::vector<Monitor> monitors_;
  mutable SIZE primary_{};
  int systemDpi_;
};

}  // namespace zlt::win32
