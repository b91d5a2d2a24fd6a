// The system DPI, read once at start (per axis): the scale of Left and Top,
// and of windows where monitors have no DPI of their own.
#pragma once

#include <windows.h>

#include "platform/FormScale.h"

namespace zlt::win32 {

struct Dpi {
  int x = 96;
  int y = 96;
  int twipsPerPixelX = 15;  // 1440 / DPI, nearest whole number
  int twipsPerPixelY = 15;
};

// The system DPI as the screen's device context reports it.
Dpi SystemDpi();
Dpi DpiFromDotsPerInch(int dpiX, int dpiY);

// A window rectangle in twips at the system scale, in whole pixels.
RECT PixelRectOf(const platform::TwipsRect& bounds, const Dpi& dpi);

using platform::PixelsFromTwips;

}  // namespace zlt::win32
