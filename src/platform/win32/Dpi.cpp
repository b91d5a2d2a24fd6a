#include "Dpi.h"

#include <windows.h>

#include "Handles.h"

namespace zlt::win32 {
namespace {

int TwipsPerPixel(int dotsPerInch) { return platform::TwipsPerPixelAt(dotsPerInch); }

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

}  // namespace zlt::win32
