// The monitors' rectangles, asked of the system once and kept until the
// display changes. Every question about monitors costs the window system a
// look at its display configuration; a thousand notes checked at start-up and
// the snap tick every half second would ask it thousands of times for the
// same answer.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

namespace zlt::win32 {

class MonitorCache {
 public:
  // The monitor that holds most of rect, as MonitorFromRect with
  // MONITOR_DEFAULTTONULL chooses it: the first of equal shares, none when no
  // monitor meets the rectangle.
  std::optional<RECT> MonitorOf(const RECT& rect) const;
  // The primary monitor's size in pixels (SM_CXSCREEN, SM_CYSCREEN).
  SIZE PrimarySize() const;
  // The display changed (WM_DISPLAYCHANGE): ask again next time.
  void Forget() { valid_ = false; }

 private:
  void Refresh() const;

  mutable bool valid_ = false;
  mutable std::vector<RECT> monitors_;
  mutable SIZE primary_{};
};

}  // namespace zlt::win32
