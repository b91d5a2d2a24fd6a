// All a note holds, as one value: what its window shows, the options the
// window has been given, where it stands and which file keeps it. The note
// window owns one; its controls show it and report edits into it, a save
// writes it, Cancel puts back the shown part, and the controller and the menu
// read it.
#pragma once

#include <string>
#include <string_view>

#include "note/NoteFile.h"
#include "platform/Geometry.h"

namespace zlt::note {

// The alarm fields of the details view, as their boxes show them.
struct NoteAlarm {
  bool on = false;
  bool music = false;
  std::string date = "0000/00/00";
  std::string hour = "00";
  std::string minute = "00";

  // "yyyymmddhhmm" as the watcher compares it with the clock ("2005/07/30",
  // "09", "30" give "200507300930"); a damaged date gives what its
  // characters give, never a cut character.
  std::string Stamp() const;
  // After "保存": whether the alarm waits for its minute. Only a ticked alarm
  // whose stamp lies after the present minute does.
  bool WaitsAfterSave(std::string_view presentStamp) const { return on && Stamp() > presentStamp; }

  bool operator==(const NoteAlarm&) const = default;
};

struct DisplayOptions {
  bool inFront = true;      // always in front ("常に手前表示")
  bool translucent = true;  // translucent ("半透明")

  bool operator==(const DisplayOptions&) const = default;
};

// The nine values the details view shows: what a save stores besides the
// place, and what Cancel puts back.
struct ShownValues {
  std::string title;    // one line
  std::string details;  // CR LF line breaks
  NoteAlarm alarm;
  DisplayOptions options;  // the two check boxes

  // Nothing typed and no alarm: such a note is never written. Only the space
  // character counts as blank, so details of line breaks are content.
  bool HasContent() const;
  // A note as a new one starts, which opens its details view at once.
  bool IsBlank() const;
  // The copy Cancel puts back: hour and minute kept as whole numbers, so a box
  // left half typed ("7") comes back as two digits ("07").
  ShownValues CancelCopy() const;

  bool operator==(const ShownValues&) const = default;
};

// Where a note stands collapsed, which is what its file keeps.
struct NotePlace {
  platform::Twips left = 0;
  platform::Twips top = 0;

  bool operator==(const NotePlace&) const = default;
};

struct NoteModel {
  ShownValues shown;
  // The options the window has been given: what its menu shows and toggles
  // and what a right press stores. The check boxes take effect only when the
  // details view closes, so until then the two may differ; a note that has
  // read no file starts with what the "all notes" commands chose for notes
  // made later.
  DisplayOptions applied{false, false};
  NotePlace place;
  std::string path;    // the note's file; empty until it has one
  bool utf16 = false;  // the file is UTF-16 and stays so

  // The model of a note its file holds.
  static NoteModel FromFile(const NoteFileValues& values, std::string path);

  // The options the details view closed with are the window's from now on.
  void ApplyShownOptions() { applied = shown.options; }
  // What a whole write of the note stores.
  NoteFileContent FileContent() const;
};

}  // namespace zlt::note
