// Twips and pixels. The program speaks twips; only this backend converts, with
// the system DPI read once at start (per axis).
#pragma once

#include "platform/Geometry.h"

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

// Nearest whole pixel, halves away from zero: a position and its mirror
// (-Left) land on mirrored pixels.
int PixelsFromTwips(platform::Twips twips, int twipsPerPixel);

// Character height for CreateFontW (negative: the em height) of a point size.
int FontHeightFromPoints(double points, int dpiY);

}  // namespace zlt::win32
