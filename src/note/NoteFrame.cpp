#include "note/NoteFrame.h"

#include <cmath>

#include "note/Snap.h"

namespace zlt::note {

namespace {

// The corners' ellipse: 10 pixels at 96 DPI, larger on a denser screen.
constexpr platform::Twips kOutlineEllipse = 150;

}  // namespace

void NoteFrame::FitOutline() {
  auto& form = note_.Form();
  const auto scale = form.Scale();
  const auto bounds = form.Bounds();
  // The window's own pixels: the outline fits the window on any monitor.
  form.SetRoundRegion(platform::PixelsFromTwips(bounds.width, scale.screenTwipsPerPixelX),
                      platform::PixelsFromTwips(bounds.height, scale.screenTwipsPerPixelY),
                      scale.Pixels(kOutlineEllipse));
}

void NoteFrame::OnTabPress(const platform::MouseDown& press) {
  note_.Pressed();
  if (press.buttons == platform::mouse::kRight) {
    note_.OpenMenu();  // the chosen command may close this note
    return;
  }
  // Both buttons together count as a left press; the middle button only records.
  if ((press.buttons & platform::mouse::kLeft) == 0) return;
  if (press.shift == platform::shift::kShift || note_.DetailsOpen()) {
    MoveWithMouse();
  } else {
    PassThrough(1);
  }
}

void NoteFrame::MoveWithMouse() {
  const std::weak_ptr<const bool> alive = note_.AliveToken();
  auto& form = note_.Form();
  // The system's move loop runs until the button is released; timers,
  // the snap included, go on ticking meanwhile.
  form.RunSystemMove();
  if (!alive.expired()) note_.MovedByUser();
}

void NoteFrame::PassThrough(int clicks) {
  auto& windows = platform_.windows;
  auto& form = note_.Form();
  const std::weak_ptr<const bool> alive = note_.AliveToken();
  // Events run while the note is away; any of them may close it.
  const auto letEventsRun = [&] {
    windows.DoEvents();
    return !alive.expired();
  };

  const auto cursor = windows.CursorPos();
  const auto home = form.Bounds();
  form.SetEnabled(false);
  form.SetVisible(false);
  // Hidden and mirrored off its place, so nothing finds it at the cursor.
  form.SetBounds({-home.left, -home.top, home.width, home.height});
  form.Refresh();
  if (!letEventsRun()) return;

  if (windows.WindowFromPoint(cursor) != platform::kNoWindow) {
    // The first release ends the press the user still holds on the note; the
    // clicks after it reach the window beneath.
    windows.InjectMouse(platform::MouseInjection::LeftUp);
    for (int i = 0; i < clicks; ++i) {
      if (!letEventsRun()) return;
      windows.InjectMouse(platform::MouseInjection::LeftDown);
      if (!letEventsRun()) return;
      windows.InjectMouse(platform::MouseInjection::LeftUp);
    }
  }
  if (!letEventsRun()) return;
  form.SetBounds(home);
  form.SetVisible(true);
  form.SetEnabled(true);
}

void NoteFrame::SnapToMonitor() {
  auto& form = note_.Form();
  // A note hidden, or away for a click that passes through, stays put.
  if (!form.Visible()) return;
  auto& windows = platform_.windows;
  const auto screen = windows.Screen();
  const auto bounds = form.Bounds();
  // On no monitor (the one it stood on was removed): back onto the primary screen.
  SnapEdges edges = PrimaryScreenEdges(screen);
  // A note wholly on the primary screen has it for its monitor (monitors never
  // overlap): asking the window system for every note on every tick is most
  // of the idle cost of a thousand notes.
  const bool onPrimary = bounds.left >= 0 && bounds.top >= 0 &&
                         bounds.left + bounds.width <= screen.width &&
                         bounds.top + bounds.height <= screen.height;
  if (!onPrimary) {
    if (const auto monitor = windows.MonitorRectOf(form.Handle())) {
      edges = {monitor->left * screen.twipsPerPixelX, monitor->top * screen.twipsPerPixelY,
               monitor->right * screen.twipsPerPixelX, monitor->bottom * screen.twipsPerPixelY};
    }
  }
  // The reach is the same on every monitor to the eye: twips at the scale of
  // the monitor the note stands on, which its window has taken.
  const auto scale = form.Scale();
  const SnapReach reach{scale.ScreenX(kSnapReach), scale.ScreenY(kSnapReach)};
  const auto snapped = SnapToEdges(bounds, edges, reach);
  if (snapped != bounds) form.SetBounds(snapped);
}

}  // namespace zlt::note
