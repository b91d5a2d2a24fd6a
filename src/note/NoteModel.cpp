#include "note/NoteModel.h"

#include "state/Text.h"

namespace zlt::note {

namespace {

std::string TwoDigits(std::string_view box) {
  std::string digits;
  AppendZeroPadded(digits, ParseWholeNumber<long>(box, NumberSyntax::kWhole).value_or(0), 2);
  return digits;
}

}  // namespace

std::string NoteAlarm::Stamp() const {
  std::string stamp(LeftChars(date, 4));
  stamp += LeftChars(RightChars(date, 5), 2);
  stamp += RightChars(date, 2);
  stamp += hour;
  stamp += minute;
  return stamp;
}

bool ShownValues::HasContent() const {
  return !TrimSpaces(title).empty() || !TrimSpaces(details).empty() || alarm.on;
}

bool ShownValues::IsBlank() const {
  return !HasContent() && TrimSpaces(alarm.hour) == "00" && TrimSpaces(alarm.minute) == "00" &&
         TrimSpaces(alarm.date) == "0000/00/00";
}

ShownValues ShownValues::CancelCopy() const {
  ShownValues copy = *this;
  copy.alarm.hour = TwoDigits(alarm.hour);
  copy.alarm.minute = TwoDigits(alarm.minute);
  return copy;
}

NoteModel NoteModel::FromFile(const NoteFileValues& values, std::string path) {
  NoteModel model;
  model.shown.title = values.title;
  if (values.details) model.shown.details = *values.details;
  model.shown.alarm.on = values.alarm != 0;
  model.shown.alarm.music = values.alarmMusic != 0;
  model.shown.alarm.date = values.date;
  model.shown.alarm.hour = values.time0;
  model.shown.alarm.minute = values.time1;
  model.shown.options = {values.inFront, values.translucent};
  model.applied = model.shown.options;
  model.place = {values.left, values.top};
  model.path = std::move(path);
  model.utf16 = values.utf16;
  return model;
}

NoteFileContent NoteModel::FileContent() const {
  NoteFileContent content;
  content.alarm = shown.alarm.on ? 1 : 0;
  content.alarmMusic = shown.alarm.music ? 1 : 0;
  content.date = shown.alarm.date;
  content.time0 = shown.alarm.hour;
  content.time1 = shown.alarm.minute;
  content.left = static_cast<float>(place.left);
  content.top = static_cast<float>(place.top);
  content.inFront = shown.options.inFront;
  content.translucent = shown.options.translucent;
  content.title = shown.title;
  content.details = shown.details;
  content.utf16 = utf16;
  return content;
}

}  // namespace zlt::note
