// What a note window needs of the controller. The controller implements it,
// so notes never depend on the manager.
#pragma once

#include <string>
#include <string_view>

#include "platform/Form.h"
#include "platform/WindowHandle.h"

namespace zlt::note {

class FusenshiWindow;

class NoteHost {
 public:
  virtual ~NoteHost() = default;

  // Opens the next note window (the start-up chain) or a new empty note.
  virtual void NewMemo_Click() = 0;
  // Closes the note last activated or pressed (an empty note's cancel).
  virtual void MemoClose_Click() = 0;
  // True while a note is being closed to be deleted: one that cannot be
  // saved closes all the same.
  virtual bool ClosingToDelete() const = 0;

  // The note list: the folder it lists, its size and its names.
  virtual const std::string& NoteListPath() const = 0;
  virtual int NoteListCount() const = 0;
  virtual std::string NoteListFileName(int index) const = 0;

  // The note last activated or pressed, for the one-note commands.
  virtual void RecordThisNote(std::string_view caption, std::string_view title) = 0;

  // Check marks of the menu items TemaeView and Toumei.
  virtual void SetTemaeViewChecked(bool checked) = 0;
  virtual bool TemaeViewChecked() const = 0;
  virtual void SetToumeiChecked(bool checked) = 0;
  virtual bool ToumeiChecked() const = 0;

  // Shows the note menu at the mouse position and runs the chosen command.
  // The note that asked may be gone when this returns.
  virtual void ShowFusenMenu(platform::IForm& owner) = 0;

  // Puts every note whose always-in-front flag is set in front again: taking
  // one note off the top layer must leave the others there.
  virtual void ReassertFrontNotes() = 0;

  // A hidden note came out by itself (its alarm fired): what runs only while
  // a note is shown, such as the snap tick, must run again.
  virtual void NoteShown() = 0;

  // The note has closed: the host forgets and destroys it. path is its note
  // file after the close ("" when it has none).
  virtual void NoteClosed(FusenshiWindow& note, std::string_view path) = 0;
};

}  // namespace zlt::note
