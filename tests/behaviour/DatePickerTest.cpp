// The alarm's date picker on a note: made when first opened, filled from the
// calendar, navigated by month, and writing the date picked. Which cell holds
// which day and colour is the calendar's own test.
#include "FusenFixture.h"
#include "note/DatePicker.h"

namespace zlt::test {
namespace {

using note::FirstDayButton;
using platform::Rgb;

class DatePickerTest : public FusenTest {
 protected:
  // The month the picker shows, or "closed", and the date box's text.
  std::string Picker(sim::SimForm& note) {
    const bool open =
        note.Control(note::PickerPanel).Visible() && note.Control(note::PickerShadow).Visible();
    return (open ? note.Control(note::MonthLabel).Text() : "closed") + " " +
           note.Control(note::DateBox).Text();
  }
  // Visible day buttons as "index:caption".
  std::vector<std::string> Days(sim::SimForm& note) {
    std::vector<std::string> days;
    for (int i = 0; i < 37; ++i) {
      const auto& button = note.Control(FirstDayButton + i);
      if (button.Visible()) days.push_back(std::to_string(i) + ":" + button.Text());
    }
    return days;
  }
  void ShowMonth(sim::SimForm& note, const std::string& date) {
    desktop_.Type(note, note::DateBox, date);  // as pasted: typing is filtered
    desktop_.Click(note, note::DateBox);
  }
};

// Made only when first opened, it opens at the present month, moves by month and writes the day
// clicked; cancel writes nothing.
TEST_F(DatePickerTest, OpensAtThePresentMonthMovesByMonthAndWritesTheDayClickedOnly) {
  Start("/N");
  auto& note = MustNote(1);
  EXPECT_FALSE(note.HasControl(note::PickerPanel));
  EXPECT_FALSE(note.HasControl(FirstDayButton));
  const auto before = note.Controls().size();
  desktop_.Click(note, note::AlarmCheck);
  EXPECT_EQ(note.Controls().size(), before + 2 + 3 + 7 + 37 + 1);
  EXPECT_EQ(Picker(note), "2026/12 2026/12/07");
  EXPECT_TRUE(note.Control(FirstDayButton).Spec().graphical) << "day buttons show their colours";
  // 2026/12/01 is a Tuesday: days 1 to 31 on buttons 2 to 32.
  std::vector<std::string> december;
  for (int day = 1; day <= 31; ++day)
    december.push_back(std::to_string(day + 1) + ":" + std::to_string(day));
  EXPECT_EQ(Days(note), december);
  EXPECT_EQ(note.Control(FirstDayButton + 8).BackColour(), Rgb(192, 255, 192));  // the 7th

  // Next and previous month cross the year and write nothing.
  ShowMonth(note, "2005/12/25");
  desktop_.Click(note, note::NextMonthButton);
  EXPECT_EQ(Picker(note), "2006/01 2005/12/25");
  ShowMonth(note, "2005/01/25");
  desktop_.Click(note, note::PreviousMonthButton);
  EXPECT_EQ(Picker(note), "2004/12 2005/01/25");

  // A day's click writes the date, closes the picker and selects the hour.
  ShowMonth(note, "2005/07/25");
  EXPECT_EQ(Picker(note), "2005/07 2005/07/25");
  desktop_.Click(note, FirstDayButton + 9);  // 2005/07/01 is a Friday: day 5 is button 9
  EXPECT_EQ(Picker(note), "closed 2005/07/05");
  EXPECT_TRUE(note.Control(note::HourBox).HasFocus());
  EXPECT_EQ(note.Control(note::HourBox).SelectedText(), "00");

  // Cancel leaves the date; a damaged date opens the present month.
  desktop_.Click(note, note::DateBox);
  desktop_.Click(note, note::NextMonthButton);
  desktop_.Click(note, note::PickerCancelButton);
  EXPECT_EQ(Picker(note), "closed 2005/07/05");
  for (const std::string damaged : {"", "20x5/07/25", "2005/13/01", "2005/0", "２００５/07/25"}) {
    ShowMonth(note, damaged);
    EXPECT_EQ(Picker(note), "2026/12 " + damaged);
    EXPECT_EQ(Days(note), december) << damaged;
  }
}

}  // namespace
}  // namespace zlt::test
