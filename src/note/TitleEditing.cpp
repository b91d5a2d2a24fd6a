#include "note/TitleEditing.h"

#include "note/NoteFile.h"
#include "note/NoteLayout.h"

namespace zlt::note {

namespace {

constexpr int kEnterKey = 13;

// Characters (code points) of UTF-8 text.
int CharacterCount(const std::string& text) {
  int count = 0;
  for (const char c : text) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

}  // namespace

void TitleEditing::OnMouseDown(const platform::MouseDown& press) {
  // Shift+click is how a collapsed note's title is edited, but a text box
  // takes Shift+click as "select from the old caret to here": the first key
  // typed would then replace half the title. The caret goes where the user
  // clicked, with nothing selected.
  if (press.buttons != platform::mouse::kLeft || (press.shift & platform::shift::kShift) == 0) {
    return;
  }
  if (owner_.DetailsOpen()) return;  // an open note's title is an ordinary text box
  if (auto* title = strip_.Live(TitleBox)) {
    title->SetSelection(title->CharacterFromPoint(press.x, press.y), 0);
  }
}

void TitleEditing::OnClick() {
  if (!ShiftHeld() && !owner_.DetailsOpen()) owner_.PassClickThrough(1);
}

void TitleEditing::OnDblClick() {
  if (ShiftHeld()) {
    owner_.OpenDetails();
  } else if (!owner_.DetailsOpen()) {
    owner_.PassClickThrough(2);
  }
}

void TitleEditing::OnKeyDown(int keyCode) {
  if (keyCode == kEnterKey && owner_.DetailsOpen()) owner_.Save();
}

void TitleEditing::OnChange() {
  // A title is one line, on screen as in the file: a pasted line break
  // becomes a blank.
  const std::string typed = strip_.Text(TitleBox);
  const std::string title = OneLineTitle(typed);
  if (title != typed) {
    strip_.SetText(TitleBox, title);
    if (auto* box = strip_.Live(TitleBox)) box->SetSelection(CharacterCount(title), 0);
  }
  Store(title);
}

void TitleEditing::SetTitle(const std::string& title) {
  if (model_.shown.title == title) return;
  strip_.SetText(TitleBox, title);
  Store(title);
}

void TitleEditing::Store(const std::string& title) {
  model_.shown.title = title;
  // A note without a file yet skips it: its first save or close writes
  // everything. A title 932 cannot hold turns the file, and so the note, UTF-16.
  if (WriteNoteKey(platform_.files, model_.path, NoteKey::kTitle, LineText(title)).utf16) {
    model_.utf16 = true;
  }
}

}  // namespace zlt::note
