#include "note/TitleEditing.h"

#include "note/FusenshiLayout.h"
#include "note/FusenshiWindow.h"
#include "note/MemoFile.h"
#include "note/NoteFrame.h"

namespace zlt::note {

namespace {

constexpr int kEnterKey = 13;
constexpr platform::Twips kCollapsedTallest = 481;  // taller than this: the details are open

// Characters (code points) of UTF-8 text.
int CharacterCount(const std::string& text) {
  int count = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

}  // namespace

void TitleEditing::txtTitle_MouseDown(const platform::MouseDown& press) {
  // Shift+click is how a collapsed note's title is edited, but a text box
  // takes Shift+click as "select from the old caret to here": the first key
  // typed would then replace half the title. The caret goes where the user
  // clicked, with nothing selected.
  if (press.buttons != platform::mouse::kLeft || (press.shift & platform::shift::kShift) == 0) {
    return;
  }
  if (note_.DetailsOpen()) return;  // an open note's title is an ordinary text box
  if (auto* title = strip_.Live(txtTitle)) {
    title->SetSelection(title->CharacterFromPoint(press.x, press.y), 0);
  }
}

void TitleEditing::txtTitle_Click() {
  if (!ShiftHeld() && !note_.DetailsOpen()) frame_.lblTitle_Click();
}

void TitleEditing::txtTitle_DblClick() {
  if (ShiftHeld()) {
    note_.OpenDetails();
  } else if (!note_.DetailsOpen()) {
    frame_.lblTitle_DblClick();
  }
}

void TitleEditing::txtTitle_KeyDown(int keyCode) {
  if (keyCode == kEnterKey && note_.Form().Bounds().height > kCollapsedTallest) {
    note_.cmdSave_Click(0);
  }
}

void TitleEditing::txtTitle_Change() {
  // A title is one line, on screen as in the file: a pasted line break
  // becomes a blank.
  const std::string typed = note_.Title();
  const std::string title = OneLineTitle(typed);
  if (title != typed) {
    strip_.SetText(txtTitle, title);
    if (auto* box = strip_.Live(txtTitle)) box->SetSelection(CharacterCount(title), 0);
  }
  note_.WriteKey("Title", title);
}

void TitleEditing::SetTitleText(const std::string& title) {
  if (note_.Title() == title) return;
  strip_.SetText(txtTitle, title);
  txtTitle_Change();
}

}  // namespace zlt::note
