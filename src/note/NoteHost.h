// What a note window needs of the controller. The controller implements it,
// so notes never depend on the manager.
#pragma once

#include "note/NoteModel.h"

namespace zlt::note {

class NoteWindow;

class NoteHost {
 public:
  virtual ~NoteHost() = default;

  // The note was activated or pressed: the one-note commands act on it.
  virtual void RecordThisNote(NoteWindow& note) = 0;

  // Shows the note menu at the mouse position, its check marks showing this
  // note's options, and runs the chosen command. The note may be gone when
  // this returns.
  virtual void ShowNoteMenu(NoteWindow& note) = 0;

  // Puts every note kept always in front in front again: taking one note off
  // the top layer must leave the others there.
  virtual void ReassertFrontNotes() = 0;

  // A hidden note came out by itself (its alarm fired): what runs only while
  // a note is shown, such as the snap tick, must run again.
  virtual void NoteShown() = 0;

  // Whether another of the program's notes, shown or hidden, stands
  // collapsed at this place (to the whole pixel).
  virtual bool PlaceTaken(const NotePlace& place, const NoteWindow& asking) = 0;

  // Closes the note as its menu's close does: it writes itself first and stays
  // open (the user is told) when it cannot. The last note closed ends the
  // program. False when the note stays; when true it is destroyed.
  virtual bool CloseNote(NoteWindow& note) = 0;
};

}  // namespace zlt::note
