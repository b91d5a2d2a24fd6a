// How a window's own twips become pixels and screen twips, when each monitor
// has a DPI of its own.
//
// The program's units: a window's Left and Top are twips at the system scale
// (pixels times the system's twips per pixel), so a note file put down on any
// monitor reopens at the same place. Sizes, and shifts of a window by a size,
// are twips at the window's own scale: a collapsed note is 3360 x 480 twips on
// every monitor, 224 x 32 pixels at 96 DPI and 336 x 48 at 144. IForm::Bounds
// gives all four values at the system scale, the units the screen is measured
// in; a size goes through FormScale on its way in and out.
#pragma once

#include "platform/Geometry.h"

namespace zlt::platform {

inline constexpr int kDefaultDpi = 96;

// Twips per pixel at a DPI, the nearest whole number (15 at 96, 10 at 144).
constexpr int TwipsPerPixelAt(int dpi) {
  if (dpi <= 0) return 15;
  const int perPixel = (1440 + dpi / 2) / dpi;
  return perPixel > 0 ? perPixel : 1;
}

// value * times / over to the nearest whole number, halves away from zero (as
// MulDiv rounds).
constexpr int ScaledRound(long long value, long long times, long long over) {
  const long long product = value * times;
  return static_cast<int>(product >= 0 ? (2 * product + over) / (2 * over)
                                       : -((-2 * product + over) / (2 * over)));
}

// Nearest whole pixel, halves away from zero: a place and its mirror (-Left)
// land on mirrored pixels.
constexpr int PixelsFromTwips(Twips twips, int twipsPerPixel) {
  const long long doubled = 2LL * twips;
  const long long step = 2LL * twipsPerPixel;
  return static_cast<int>(twips >= 0 ? (doubled + twipsPerPixel) / step
                                     : -((-doubled + twipsPerPixel) / step));
}

struct FormScale {
  int dpi = kDefaultDpi;          // the window's own, that of the monitor it stands on
  int screenTwipsPerPixelX = 15;  // the system's
  int screenTwipsPerPixelY = 15;

  constexpr int TwipsPerPixel() const { return TwipsPerPixelAt(dpi); }
  // Own twips to the window's pixels.
  constexpr int Pixels(Twips own) const { return PixelsFromTwips(own, TwipsPerPixel()); }
  // The window's pixels to own twips.
  constexpr Twips OwnTwips(int pixels) const { return pixels * TwipsPerPixel(); }
  // A width or a shift in own twips, as the screen measures it, to the
  // nearest twip: the same value where the window is at the system's scale.
  constexpr Twips ScreenX(Twips own) const { return Rescaled(own, screenTwipsPerPixelX); }
  constexpr Twips ScreenY(Twips own) const { return Rescaled(own, screenTwipsPerPixelY); }
  // A shift of the window there and back again, in whole pixels as the
  // screen measures them, so the way back ends exactly where it began.
  constexpr Twips ShiftX(Twips own) const { return Pixels(own) * screenTwipsPerPixelX; }
  // A width or height the screen measures, in own twips.
  constexpr Twips OwnX(Twips screen) const { return Unscaled(screen, screenTwipsPerPixelX); }
  constexpr Twips OwnY(Twips screen) const { return Unscaled(screen, screenTwipsPerPixelY); }
  friend constexpr bool operator==(const FormScale&, const FormScale&) = default;

 private:
  constexpr Twips Rescaled(Twips own, int screenTwipsPerPixel) const {
    return ScaledRound(own, screenTwipsPerPixel, TwipsPerPixel());
  }
  constexpr Twips Unscaled(Twips screen, int screenTwipsPerPixel) const {
    return ScaledRound(screen, TwipsPerPixel(), screenTwipsPerPixel);
  }
};

// A control's place in its container in pixels: every control keeps its twips
// and is placed anew from them whenever its window changes scale, so sizes
// never drift however often it moves between monitors.
constexpr PixelRect ControlPixels(const TwipsRect& own, const FormScale& scale) {
  const int left = scale.Pixels(own.left);
  const int top = scale.Pixels(own.top);
  return {left, top, left + scale.Pixels(own.width), top + scale.Pixels(own.height)};
}

// The character height a point size takes at a DPI (negative: the em height).
int FontHeightFromPoints(double points, int dpi);

}  // namespace zlt::platform
