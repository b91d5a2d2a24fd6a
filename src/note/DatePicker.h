// The date picker of a note's alarm: a month calendar panel ("Frame2") with
// its shadow, opened over the details view. Its windows are made the first
// time it opens on a shown details view; until then it is a year and a month.
#pragma once

#include <string>

#include "note/LazyControls.h"
#include "platform/Form.h"
#include "platform/System.h"

namespace zlt::note {

enum PickerControl : int {
  PickerShadow = 100,  // the shadow, beneath the panel
  PickerPanel,
  NextMonthButton,      // "来月", next month
  PreviousMonthButton,  // "先月", previous month
  MonthLabel,
  FirstWeekdayLabel,                         // weekday header, Monday ...
  LastWeekdayLabel = FirstWeekdayLabel + 6,  // ... Sunday
  PickerCancelButton,
  FirstDayButton = 200,  // the 37 day buttons, one after another
};

class DatePicker {
 public:
  DatePicker(const platform::IClock& clock, LazyControls& details);
  DatePicker(const DatePicker&) = delete;
  DatePicker& operator=(const DatePicker&) = delete;

  // The window the panel goes on, once it exists.
  void Attach(platform::IForm& form) { form_ = &form; }
  // The details view is on screen: an open panel now gets its windows.
  void DetailsShown();

  // Opens at the present month.
  void ShowCalendar();
  // Opens at the month of the date box.
  void OpenAtShownMonth();
  // Hides the panel and its shadow; the date box stays as it is.
  void Close();
  bool IsOpen() const { return open_; }
  // "yyyy/mm" of the month shown.
  std::string ShownMonth() const;

  enum class Clicked { NotMine, Handled, DatePicked };
  // A click on a control of the panel; DatePicked: a day was written into the
  // date box and the panel closed.
  Clicked OnClick(int controlId);

 private:
  void FillCalendar(std::string& yearText, std::string& monthText);
  void ApplyFill();
  void SetOpen(bool open);
  void Materialise();
  // Writes the day of the button at this place of the calendar into the date box.
  void PickDay(int button);
  // One month on (step 1) or back (step -1).
  void TurnMonth(int step);

  const platform::IClock& clock_;
  LazyControls& details_;
  platform::IForm* form_ = nullptr;
  bool live_ = false;  // the panel's windows exist
  bool open_ = false;
  std::string yearText_ = "2002";
  std::string monthText_ = "06";
};

}  // namespace zlt::note
