// Units the program speaks: twips for positions and sizes, 0x00BBGGRR colours.
#pragma once

#include <cstdint>

namespace zlt::platform {

using Twips = std::int32_t;
using Colour = std::uint32_t;  // 0x00BBGGRR, as the window system stores it

constexpr Colour Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<Colour>(red) | (static_cast<Colour>(green) << 8) |
         (static_cast<Colour>(blue) << 16);
}

// Left, top, width and height in twips. Relative to the parent for controls,
// to the primary screen for top-level windows.
struct TwipsRect {
  Twips left = 0;
  Twips top = 0;
  Twips width = 0;
  Twips height = 0;
  friend bool operator==(const TwipsRect&, const TwipsRect&) = default;
};

// Screen pixels, edges as the window system gives them (right and bottom exclusive).
struct PixelRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct PixelPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// The primary screen as the program sees it.
struct ScreenMetrics {
  Twips width = 0;   // twips
  Twips height = 0;  // twips
  int twipsPerPixelX = 15;
  int twipsPerPixelY = 15;
};

}  // namespace zlt::platform
