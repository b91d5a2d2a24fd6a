#include "Dpi.h"

#include <windows.h>

#include <cmath>

#include "Handles.h"

namespace zlt::win32 {
namespace {

int TwipsPerPixel(int dotsPerInch) {
  if (dotsPerInch <= 0) return 15;
  const int perPixel = (1440 + dotsPerInch / 2) / dotsPerInch;
  return perPixel > 0 ? perPixel : 1;
}

}  // namespace

Dpi DpiFromDotsPerInch(int dpiX, int dpiY) {
  Dpi dpi;
  dpi.x = dpiX > 0 ? dpiX : 96;
  dpi.y = dpiY > 0 ? dpiY : 96;
  dpi.twipsPerPixelX = TwipsPerPixel(dpi.x);
  dpi.twipsPerPixelY = TwipsPerPixel(dpi.y);
  return dpi;
}

Dpi SystemDpi() {
  const WindowDc screen(nullptr);
  if (screen.Get() == nullptr) return DpiFromDotsPerInch(96, 96);
  return DpiFromDotsPerInch(GetDeviceCaps(screen.Get(), LOGPIXELSX),
                            GetDeviceCaps(screen.Get(), LOGPIXELSY));
}

int PixelsFromTwips(platform::Twips twips, int twipsPerPixel) {
  const long long doubled = 2LL * twips;
  const long long step = 2LL * twipsPerPixel;
  return static_cast<int>(twips >= 0 ? (doubled + twipsPerPixel) / step
                                     : -((-doubled + twipsPerPixel) / step));
}

int FontHeightFromPoints(double points, int dpiY) {
  return -static_cast<int>(std::lround(points * dpiY / 72.0));
}

}  // namespace zlt::win32
