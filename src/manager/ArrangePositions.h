// Where each note goes when the arrange commands line every note up in one
// column: pure arithmetic over twips, so every mode is easy to check by table.
#pragma once

#include <optional>

#include "platform/Geometry.h"

namespace zlt::manager {

// The seven arrange items, in menu order.
enum class ArrangeMode {
  FromThisPosition,  // "この位置を基準に整列"
  TopRight,          // "画面右上に整列"
  MiddleRight,       // "画面右中央に整列"
  BottomRight,       // "画面右下に整列"
  TopLeft,           // "画面左上に整列"
  MiddleLeft,        // "画面左中央に整列"
  BottomLeft,        // "画面左下に整列"
};

// What a column is laid out against.
struct ArrangeArea {
  platform::Twips screenWidth = 0;
  platform::Twips screenHeight = 0;
  // Left and Top of the note the menu was opened on.
  platform::Twips fromLeft = 0;
  platform::Twips fromTop = 0;
  // Between neighbouring notes, as the screen measures 500 twips at the
  // scale of the note being placed.
  double step = 500;
};

// A note's place, exact: the middle modes give halves of a twip.
struct ArrangedPlace {
  double left = 0;
  double top = 0;
  friend bool operator==(const ArrangedPlace&, const ArrangedPlace&) = default;
};

// The place of the note at position i of the column (0 first), whose own
// size is width x height. Notes go 500 twips apart; the column never wraps,
// so late notes may lie beyond the screen's edge.
ArrangedPlace ArrangedPosition(ArrangeMode mode, const ArrangeArea& area, int i,
                               platform::Twips width, platform::Twips height);

// The whole twips a window is given for an exact place (halves away from zero).
platform::Twips WholeTwips(double twips);

}  // namespace zlt::manager
