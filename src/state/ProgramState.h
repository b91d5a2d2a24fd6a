// The program-wide values every window shares: start-up fills them, the
// controller and the notes read and update them. Nothing of the program is
// included here, so every room above may take it.
#pragma once

#include <cstdint>
#include <string>

namespace zlt {

struct ProgramState {
  std::string UserName;
  std::string AppFolder;
  std::string DataFolder;  // never ends in a backslash
  // Where a note that cannot be saved at session end is kept instead; empty
  // when the system has no local application-data folder.
  std::string RecoveryFolder;

  int LastNoteNumber = 0;  // number of the note window created last; only grows
  int OpenNotes = 0;       // note windows counted as open

  // The file of the note last activated, loaded or pressed ("" for a note
  // without one): the one a delete removes.
  std::string LastNotePath;
  // Where the note pressed last stood: a new note opens below it. Its width
  // in twips at its own scale; how far its details view stands left of its
  // collapsed place, as the screen measures it.
  std::int32_t PressedTop = 0;
  std::int32_t PressedLeft = 0;
  std::int32_t PressedWidth = 0;
  std::int32_t PressedDetailsShift = 3135;

  // The options a note that reads no file is first given (what its menu shows
  // until its details view closes): off, until an "all notes" command sets
  // every note, those made later included.
  bool NewNotesInFront = false;
  bool NewNotesTranslucent = false;
};

}  // namespace zlt
