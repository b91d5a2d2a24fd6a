#include "MonitorCache.h"

namespace zlt::win32 {
namespace {

BOOL CALLBACK CollectMonitor(HMONITOR, HDC, LPRECT rect, LPARAM into) {
  reinterpret_cast<std::vector<RECT>*>(into)->push_back(*rect);
  return TRUE;
}

long long Area(const RECT& rect) {
  return static_cast<long long>(rect.right - rect.left) * (rect.bottom - rect.top);
}

}  // namespace

void MonitorCache::Refresh() const {
  const ULONGLONG now = GetTickCount64();
  if (valid_ && now - askedAt_ < kMaxAgeMs) return;
  monitors_.clear();
  EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&monitors_));
  primary_ = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  valid_ = true;
  askedAt_ = now;
}

std::optional<RECT> MonitorCache::MonitorOf(const RECT& rect) const {
  Refresh();
  // A window of no size still belongs where it stands.
  const RECT probe =
      IsRectEmpty(&rect) ? RECT{rect.left, rect.top, rect.left + 1, rect.top + 1} : rect;
  std::optional<RECT> best;
  long long bestArea = 0;
  for (const RECT& monitor : monitors_) {
    RECT common{};
    if (!IntersectRect(&common, &monitor, &probe)) continue;
    if (!best || Area(common) > bestArea) {
      best = monitor;
      bestArea = Area(common);
    }
  }
  return best;
}

SIZE MonitorCache::PrimarySize() const {
  Refresh();
  return primary_;
}

}  // namespace zlt::win32
