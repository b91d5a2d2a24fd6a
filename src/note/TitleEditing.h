// Editing a note's title in place: what presses, clicks, double clicks, keys
// and changes in the title box do. A collapsed note lets plain clicks pass
// through; Shift makes the title box an ordinary text box.
#pragma once

#include <string>

#include "note/LazyControls.h"
#include "platform/Form.h"
#include "platform/Platform.h"

namespace zlt::note {

class FusenshiWindow;
class NoteFrame;

class TitleEditing {
 public:
  TitleEditing(platform::Platform& platform, FusenshiWindow& note, NoteFrame& frame,
               LazyControls& strip)
      : platform_(platform), note_(note), frame_(frame), strip_(strip) {}
  TitleEditing(const TitleEditing&) = delete;
  TitleEditing& operator=(const TitleEditing&) = delete;

  void txtTitle_MouseDown(const platform::MouseDown& press);
  void txtTitle_Click();
  void txtTitle_DblClick();
  void txtTitle_KeyDown(int keyCode);
  // Every change of the title, the user's or the program's, is stored.
  void txtTitle_Change();

  // The program sets the title; the change is stored like a typed one.
  void SetTitleText(const std::string& title);

 private:
  bool ShiftHeld() const { return platform_.windows.ShiftDown(); }

  platform::Platform& platform_;
  FusenshiWindow& note_;
  NoteFrame& frame_;
  LazyControls& strip_;
};

}  // namespace zlt::note
