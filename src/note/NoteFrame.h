// The frame of a note window and how it moves: the rounded outline, what a
// press on the tab or the bare window does, the click that passes through a
// note to the window beneath it, and the pull to the edges of its screen.
#pragma once

#include "note/NoteHost.h"
#include "platform/Form.h"
#include "platform/Platform.h"
#include "state/ProgramState.h"

namespace zlt::note {

class FusenshiWindow;

class NoteFrame {
 public:
  NoteFrame(platform::Platform& platform, ProgramState& state, NoteHost& host, FusenshiWindow& note)
      : platform_(platform), state_(state), host_(host), note_(note) {}
  NoteFrame(const NoteFrame&) = delete;
  NoteFrame& operator=(const NoteFrame&) = delete;

  // The rounded outline for the window's present size.
  void Form_Resize();

  // A press on the tab or the bare window: records the note as the one last
  // pressed, then a right press opens the menu, Shift+left (or any left press
  // while the details are open) moves the note, and a plain left press passes
  // through. The note may be gone when this returns.
  void lblTitle_MouseDown(const platform::MouseDown& press);

  // Passes a click (a double click) at the cursor to the window beneath the
  // note: the note steps aside, the click is replayed, the note comes back.
  void lblTitle_Click() { PassThrough(1); }
  void lblTitle_DblClick() { PassThrough(2); }

  // Snap: a shown note nearer than 200 twips to an edge of the monitor holding
  // most of it lies flush against that edge, and one sticking out is pulled
  // back. The new place is stored with the next move, save or close.
  void FormMoveTimer_Timer();

 private:
  void RecordPress();
  void MoveWithMouse();
  void PassThrough(int clicks);

  platform::Platform& platform_;
  ProgramState& state_;
  NoteHost& host_;
  FusenshiWindow& note_;
};

}  // namespace zlt::note
