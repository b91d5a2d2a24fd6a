// The frame of a note window and how it moves: the rounded outline, what a
// press on the tab or the bare window does, the click that passes through a
// note to the window beneath it, and the pull to the edges of its screen.
#pragma once

#include <memory>

#include "platform/Form.h"
#include "platform/Platform.h"

namespace zlt::note {

// What the frame needs of its note window.
class FrameOwner {
 public:
  virtual ~FrameOwner() = default;
  virtual platform::IForm& Form() = 0;
  virtual bool DetailsOpen() const = 0;
  // Any press on the tab: the note becomes the one last pressed.
  virtual void Pressed() = 0;
  // A right press: the note menu. The note may be gone when this returns.
  virtual void OpenMenu() = 0;
  // The user let go after moving the note.
  virtual void MovedByUser() = 0;
  // Expires when the note is destroyed: code that let events run checks it
  // before touching the note again.
  virtual std::weak_ptr<const bool> AliveToken() const = 0;
};

class NoteFrame {
 public:
  NoteFrame(platform::Platform& platform, FrameOwner& note) : platform_(platform), note_(note) {}
  NoteFrame(const NoteFrame&) = delete;
  NoteFrame& operator=(const NoteFrame&) = delete;

  // The rounded outline for the window's present size.
  void FitOutline();

  // A press on the tab or the bare window: the note becomes the one last
  // pressed, then a right press opens the menu, Shift+left (or any left press
  // while the details are open) moves the note, and a plain left press passes
  // through. The note may be gone when this returns.
  void OnTabPress(const platform::MouseDown& press);

  // Passes a click (clicks 2: a double click) at the cursor to the window
  // beneath the note: the note steps aside, the click is replayed, the note
  // comes back.
  void PassThrough(int clicks);

  // Snap: a shown note nearer than 200 twips to an edge of the monitor holding
  // most of it lies flush against that edge, and one sticking out is pulled
  // back. The new place is stored with the next move, save or close.
  void SnapToMonitor();

 private:
  void MoveWithMouse();

  platform::Platform& platform_;
  FrameOwner& note_;
};

}  // namespace zlt::note
