#include "MonitorCache.h"

#include "SystemLibraries.h"

namespace zlt::win32 {
namespace {

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM into) {
  reinterpret_cast<std::vector<HMONITOR>*>(into)->push_back(monitor);
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
  std::vector<HMONITOR> handles;
  EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&handles));
  for (const HMONITOR handle : handles) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(handle, &info)) continue;
    // A single screen's scale can differ from the system's too: the user
    // changed it and did not sign out since.
    const UINT dpi = late::DpiOfMonitor(handle);
    monitors_.push_back({info.rcMonitor, dpi != 0 ? static_cast<int>(dpi) : systemDpi_});
  }
  primary_ = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  valid_ = true;
  askedAt_ = now;
}

const MonitorCache::Monitor* MonitorCache::Holding(const RECT& rect) const {
  Refresh();
  // A window of no size still belongs where it stands.
  const RECT probe =
      IsRectEmpty(&rect) ? RECT{rect.left, rect.top, rect.left + 1, rect.top + 1} : rect;
  const Monitor* best = nullptr;
  long long bestArea = 0;
  for (const Monitor& monitor : monitors_) {
    RECT common{};
    if (!IntersectRect(&common, &monitor.rect, &probe)) continue;
    if (best == nullptr || Area(common) > bestArea) {
      best = &monitor;
      bestArea = Area(common);
    }
  }
  return best;
}

std::optional<RECT> MonitorCache::MonitorOf(const RECT& rect) const {
  const Monitor* monitor = Holding(rect);
  return monitor != nullptr ? std::optional(monitor->rect) : std::nullopt;
}

std::optional<int> MonitorCache::DpiOf(const RECT& rect) const {
  const Monitor* monitor = Holding(rect);
  return monitor != nullptr ? std::optional(monitor->dpi) : std::nullopt;
}

SIZE MonitorCache::PrimarySize() const {
  Refresh();
  return primary_;
}

}  // namespace zlt::win32
