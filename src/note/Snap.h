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

// Where the note goes: left, then top, then right, then bottom, each test
// reading the place the one before left. Within reach of both opposite edges,
// the right (bottom) one wins because it comes last.
constexpr platform::TwipsRect SnapToEdges(platform::TwipsRect note, const SnapEdges& edges) {
  if (edges.left + kSnapReach > note.left) note.left = edges.left;
  if (edges.top + kSnapReach > note.top) note.top = edges.top;
  if (edges.right - (note.left + note.width) < kSnapReach) note.left = edges.right - note.width;
  if (edges.bottom - (note.top + note.height) < kSnapReach) note.top = edges.bottom - note.height;
  return note;
}

// The primary screen's edges: where a note on no monitor is brought back to.
constexpr SnapEdges PrimaryScreenEdges(const platform::ScreenMetrics& screen) {
  return {0, 0, screen.width, screen.height};
}

}  // namespace zlt::note
