// Pulling a note to the edges of the screen it stands on.
#pragma once

#include "platform/Geometry.h"

namespace zlt::note {

// The edges a note snaps to, in twips: a monitor's full rectangle (taskbar
// strip included) or the primary screen.
struct SnapEdges {
  platform::Twips left = 0;
  platform::Twips top = 0;
  platform::Twips right = 0;
  platform::Twips bottom = 0;
};

// A note nearer than this to an edge (or sticking out past it) lies flush
// against it; exactly this far away it stays.
inline constexpr platform::Twips kSnapReach = 200;

// The reach across and down, as the screen measures it.
struct SnapReach {
  platform::Twips x = kSnapReach;
  platform::Twips y = kSnapReach;
};

// Where the note goes: left, then top, then right, then bottom, each test
// reading the place the one before left. Within reach of both opposite edges,
// the right (bottom) one wins because it comes last.
constexpr platform::TwipsRect SnapToEdges(platform::TwipsRect note, const SnapEdges& edges,
                                          SnapReach reach = {}) {
  if (edges.left + reach.x > note.left) note.left = edges.left;
  if (edges.top + reach.y > note.top) note.top = edges.top;
  if (edges.right - (note.left + note.width) < reach.x) note.left = edges.right - note.width;
  if (edges.bottom - (note.top + note.height) < reach.y) note.top = edges.bottom - note.height;
  return note;
}

// The primary screen's edges: where a note on no monitor is brought back to.
constexpr SnapEdges PrimaryScreenEdges(const platform::ScreenMetrics& screen) {
  return {0, 0, screen.width, screen.height};
}

}  // namespace zlt::note
