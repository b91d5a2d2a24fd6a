// Editing a note's title in place: what presses, clicks, double clicks, keys
// and changes in the title box do. A collapsed note lets plain clicks pass
// through; Shift makes the title box an ordinary text box.
#pragma once

#include <string>

#include "note/LazyControls.h"
#include "note/NoteModel.h"
#include "platform/Form.h"
#include "platform/Platform.h"

namespace zlt::note {

// What title editing needs of its note window.
class TitleOwner {
 public:
  virtual ~TitleOwner() = default;
  virtual bool DetailsOpen() const = 0;
  // Shift + double click.
  virtual void OpenDetails() = 0;
  // Enter while the details are open: "保存".
  virtual void Save() = 0;
  // A plain click (double click) on a collapsed note reaches what lies beneath.
  virtual void PassClickThrough(int clicks) = 0;
};

class TitleEditing {
 public:
  TitleEditing(platform::Platform& platform, NoteModel& model, LazyControls& strip,
               TitleOwner& owner)
      : platform_(platform), model_(model), strip_(strip), owner_(owner) {}
  TitleEditing(const TitleEditing&) = delete;
  TitleEditing& operator=(const TitleEditing&) = delete;

  void OnMouseDown(const platform::MouseDown& press);
  void OnClick();
  void OnDblClick();
  void OnKeyDown(int keyCode);
  // The user changed the title: it becomes the note's and goes to its file.
  void OnChange();

  // The program sets the title; the change is stored like a typed one.
  void SetTitle(const std::string& title);

 private:
  bool ShiftHeld() const { return platform_.windows.ShiftDown(); }
  // Every change of the title, the user's or the program's, is stored at once.
  void Store(const std::string& title);

  platform::Platform& platform_;
  NoteModel& model_;
  LazyControls& strip_;
  TitleOwner& owner_;
};

}  // namespace zlt::note
