// The controls of a note window: numbers, positions, colours and texts.
#pragma once

#include <vector>

#include "platform/Controls.h"
#include "platform/Geometry.h"

namespace zlt::note {

enum NoteControl : int {
  TabLabel = 1,
  TitleBox,
  DetailsFrame,
  AlarmCheck,
  DateBox,
  HourBox,
  HourLabel,
  MinuteBox,
  MinuteLabel,
  MusicCheck,
  TranslucentCheck,
  InFrontCheck,
  SaveButton,
  CancelButton,
  DetailsBox,
};

enum NoteTimer : int {
  SnapTimer = 1,
  AlarmTimer = 2,  // one shot: set for the next minute that matters to the alarm
};

namespace layout {
constexpr platform::Twips kCollapsedWidth = 3360;
constexpr platform::Twips kCollapsedHeight = 480;
constexpr platform::Twips kDetailsWidth = 6495;
constexpr platform::Twips kDetailsHeight = 5190;
constexpr platform::Twips kDetailsShift = 3135;      // the details view stands this far left
constexpr platform::Twips kDetailsOpenWidth = 6490;  // this wide or more: details are open
constexpr platform::Twips kNewNoteDrop = 500;        // a new note starts this far below the last
constexpr std::uint8_t kTranslucentAlpha = 150;
constexpr platform::Colour kNoteColour = platform::Rgb(255, 255, 192);

// The Left a note takes collapsed, which its file records so that it reopens
// where it stood: the details view stands kDetailsShift further left (as the
// screen measures it at the note's scale), except one stopped at the screen's
// left edge, which collapses in place. Width in the note's own twips.
constexpr platform::Twips CollapsedLeft(const platform::TwipsRect& own,
                                        platform::Twips shiftOnScreen) {
  if (own.width < kDetailsOpenWidth || own.left == 0) return own.left;
  return own.left + shiftOnScreen;
}
}  // namespace layout

// The title strip: what a collapsed note shows. Built once; every note starts
// from the same specs.
const std::vector<platform::ControlSpec>& TitleStripControls();
// The details frame and what it holds, created when first shown. Built once.
const std::vector<platform::ControlSpec>& DetailsControls();

}  // namespace zlt::note
