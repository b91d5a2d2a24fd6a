#include "Dpi.h"

#include <windows.h>

#include "Handles.h"

namespace zlt::win32 {

Dpi DpiFromDotsPerInch(int dpiX, int dpiY) {
  Dpi dpi;
  dpi.x = dpiX > 0 ? dpiX : 96;
  dpi.y = dpiY > 0 ? dpiY : 96;
  dpi.twipsPerPixelX = platform::TwipsPerPixelAt(dpi.x);
  dpi.twipsPerPixelY = platform::TwipsPerPixelAt(dpi.y);
  return dpi;
}

Dpi SystemDpi() {
  const WindowDc screen(nullptr);
  if (screen.Get() == nullptr) return DpiFromDotsPerInch(96, 96);
  return DpiFromDotsPerInch(GetDeviceCaps(screen.Get(), LOGPIXELSX),
                            GetDeviceCaps(screen.Get(), LOGPIXELSY));
}

RECT PixelRectOf(const platform::TwipsRect& bounds, const Dpi& dpi) {
  const int left = PixelsFromTwips(bounds.left, dpi.twipsPerPixelX);
  const int top = PixelsFromTwips(bounds.top, dpi.twipsPerPixelY);
  return {left, top, left + PixelsFromTwips(bounds.width, dpi.twipsPerPixelX),
          top + PixelsFromTwips(bounds.height, dpi.twipsPerPixelY)};
}

}  // namespace zlt::win32
