#include "note/DatePicker.h"

#include <algorithm>
#include <vector>

#include "note/Calendar.h"
#include "note/NoteLayout.h"
#include "state/Text.h"

namespace zlt::note {

using platform::ControlKind;
using platform::ControlSpec;
using platform::MakeControl;
using platform::Rgb;

namespace {

constexpr platform::Colour kPanelGrey = Rgb(224, 224, 224);

// The panel lies at window Left 1200, Top 1440: inside the details frame,
// which starts 480 twips down. The shadow is made first so that it lies
// beneath.
std::vector<ControlSpec> PickerControls() {
  std::vector<ControlSpec> specs;
  auto shadow = MakeControl(ControlKind::PictureBox, PickerShadow, DetailsFrame, "",
                            {1320, 1080, 3735, 3255});
  shadow.backColour = Rgb(128, 128, 128);
  specs.push_back(shadow);
  auto panel = MakeControl(ControlKind::Frame, PickerPanel, DetailsFrame, "日付を指定して下さい",
                           {1200, 960, 3735, 3255});
  panel.backColour = kPanelGrey;
  specs.push_back(panel);

  specs.push_back(MakeControl(ControlKind::Button, PreviousMonthButton, PickerPanel, "先月",
                              {240, 240, 735, 255}));
  auto nen =
      MakeControl(ControlKind::Label, MonthLabel, PickerPanel, "2002/06", {1200, 240, 1335, 255});
  nen.backColour = Rgb(255, 255, 192);
  specs.push_back(nen);
  specs.push_back(MakeControl(ControlKind::Button, NextMonthButton, PickerPanel, "来月",
                              {2760, 240, 735, 255}));

  struct Header {
    int id;
    const char* text;
    platform::Twips left;
    platform::Colour colour;
  };
  const Header headers[] = {
      {LastWeekdayLabel, "日", 345, Rgb(255, 0, 0)},
      {FirstWeekdayLabel, "月", 795, 0},
      {FirstWeekdayLabel + 1, "火", 1290, 0},
      {FirstWeekdayLabel + 2, "水", 1770, 0},
      {FirstWeekdayLabel + 3, "木", 2265, 0},
      {FirstWeekdayLabel + 4, "金", 2730, 0},
      {FirstWeekdayLabel + 5, "土", 3225, Rgb(0, 0, 255)},
  };
  for (const auto& header : headers) {
    auto label = MakeControl(ControlKind::Label, header.id, PickerPanel, header.text,
                             {header.left, 720, 180, 180});
    label.foreColour = header.colour;
    label.backColour = kPanelGrey;
    specs.push_back(label);
  }
  for (int i = 0; i < kDayButtons; ++i) {
    auto day = MakeControl(ControlKind::Button, FirstDayButton + i, PickerPanel, "",
                           {240 + 480 * (i % 7), 1080 + 360 * (i / 7), 375, 255});
    day.graphical = true;  // so that its colour shows
    day.visible = false;
    specs.push_back(day);
  }
  specs.push_back(MakeControl(ControlKind::Button, PickerCancelButton, PickerPanel, "ｷｬﾝｾﾙ",
                              {2760, 2880, 735, 255}));
  return specs;
}

bool AllDigits(std::string_view text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string Decimal(long value) { return std::to_string(value); }

}  // namespace

DatePicker::DatePicker(const platform::IClock& clock, LazyControls& details)
    : clock_(clock), details_(details) {}

std::string DatePicker::ShownMonth() const { return yearText_ + "/" + monthText_; }

void DatePicker::ShowCalendar() {
  const auto now = clock_.Now();
  std::string yearText;
  std::string monthText;
  AppendZeroPadded(yearText, now.year, 4);
  AppendZeroPadded(monthText, now.month, 2);
  FillCalendar(yearText, monthText);
  SetOpen(true);
}

void DatePicker::OpenAtShownMonth() {
  const auto date = details_.Text(DateBox);
  std::string yearText(LeftChars(date, 4));
  std::string monthText(RightChars(LeftChars(date, 7), 2));
  // A date box damaged by pasting or deleting opens at the present month.
  const long month = AllDigits(monthText) ? std::stol(monthText) : 0;
  if (!AllDigits(yearText) || month < 1 || month > 12) {
    ShowCalendar();
    return;
  }
  FillCalendar(yearText, monthText);
  SetOpen(true);
}

void DatePicker::Close() { SetOpen(false); }

void DatePicker::SetOpen(bool open) {
  open_ = open;
  if (open_) Materialise();
  if (!live_) return;
  form_->Control(PickerPanel).SetVisible(open_);
  form_->Control(PickerShadow).SetVisible(open_);
}

void DatePicker::DetailsShown() {
  if (open_) SetOpen(true);
}

void DatePicker::Materialise() {
  if (live_ || form_ == nullptr || !details_.Materialised()) return;
  for (auto spec : PickerControls()) {
    if (spec.id == PickerPanel || spec.id == PickerShadow) spec.visible = open_;
    form_->AddControl(spec);
  }
  live_ = true;
  ApplyFill();
}

void DatePicker::FillCalendar(std::string& yearText, std::string& monthText) {
  if (monthText.size() < 2) monthText = "0" + monthText;
  yearText_ = yearText;
  monthText_ = monthText;
  ApplyFill();
}

void DatePicker::ApplyFill() {
  if (!live_) return;
  const int month = AllDigits(monthText_) ? std::stoi(monthText_) : 0;
  const DayGrid grid = FillDays(yearText_, month, clock_.Now());
  for (int i = 0; i < kDayButtons; ++i) {
    auto& button = form_->Control(FirstDayButton + i);
    const auto& day = grid[static_cast<std::size_t>(i)];
    button.SetVisible(day.visible);
    button.SetText(day.caption);
    button.SetBackColour(day.colour);
  }
  form_->Control(MonthLabel).SetText(ShownMonth());
}

DatePicker::Clicked DatePicker::OnClick(int controlId) {
  if (controlId >= FirstDayButton && controlId < FirstDayButton + kDayButtons) {
    PickDay(controlId - FirstDayButton);
    return Clicked::DatePicked;
  }
  switch (controlId) {
    case NextMonthButton:
      TurnMonth(1);
      return Clicked::Handled;
    case PreviousMonthButton:
      TurnMonth(-1);
      return Clicked::Handled;
    case PickerCancelButton:
      Close();
      return Clicked::Handled;
    default:
      return Clicked::NotMine;
  }
}

void DatePicker::PickDay(int button) {
  std::string day = live_ ? form_->Control(FirstDayButton + button).Text() : std::string();
  if (day.size() < 2) day = "0" + day;
  details_.SetText(DateBox, ShownMonth() + "/" + day);
  Close();
}

void DatePicker::TurnMonth(int step) {
  const auto caption = ShownMonth();
  const std::string yearDigits(LeftChars(caption, 4));
  const std::string monthDigits(RightChars(caption, 2));
  long year = AllDigits(yearDigits) ? std::stol(yearDigits) : 0;
  long month = AllDigits(monthDigits) ? std::stol(monthDigits) : 1;
  std::string yearText = yearDigits;
  if (step > 0 && ++month == 13) {
    yearText = Decimal(++year);
    month = 1;
  } else if (step < 0 && --month == 0) {
    yearText = Decimal(--year);
    month = 12;
  }
  std::string monthText = Decimal(month);
  FillCalendar(yearText, monthText);
}

}  // namespace zlt::note
