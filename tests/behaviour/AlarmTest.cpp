// The alarm of a note: its input rules, the date picker, the watcher on the
// virtual clock, the firing and what cancel puts back afterwards. Which cell of
// the picker holds which day and colour is the calendar's own test.
#include "FusenFixture.h"
#include "manager/SnapTick.h"
#include "note/DatePicker.h"

namespace zlt::test {
namespace {

using note::FirstDayButton;

constexpr platform::Colour kBefore = platform::Rgb(255, 224, 192);
constexpr platform::Colour kReached = platform::Rgb(192, 255, 192);
const std::string kRelay = "C:\\Apps\\ZLTFusen\\vokrelay.exe";

class AlarmTest : public FusenTest {
 protected:
  using Lines = std::vector<std::string>;
  // The processes started, as "program | command line", marked when not minimised without focus.
  Lines CommandLines() {
    Lines lines;
    for (const auto& p : desktop_.StartedProcesses())
      lines.push_back(p.program + " | " + p.commandLine + (p.minimisedNoActivate ? "" : " shown"));
    return lines;
  }
  // The relay as started when the alarm of the note of this title fires.
  static std::string Said(const std::string& title, const std::string& relay = kRelay) {
    return relay + " | " + relay + " 付箋紙\"\"" + title + "\"\"の設定時間になりました";
  }
  std::string Text(sim::SimForm& note, int id) { return note.Control(id).Text(); }
  // The alarm fields as shown: "on" or "off", the date and time, then "music" when ticked,
  // "locked" when the fields take no input, "picker" and its month when the date picker is open,
  // and the tab's
  // colour: "due" once the minute is reached, "waiting" before. A note never opened shows its tab.
  std::string Alarm(sim::SimForm& note) {
    const auto tab = note.Control(note::TabLabel).BackColour();
    const std::string colour = tab == kReached ? " due" : tab == kBefore ? " waiting" : " odd tab";
    if (!note.HasControl(note::AlarmCheck)) return "never opened" + colour;
    std::string text = note.Control(note::AlarmCheck).Checked() ? "on " : "off ";
    text += Text(note, note::DateBox) + " " + Text(note, note::HourBox) + ":" +
            Text(note, note::MinuteBox);
    if (note.Control(note::MusicCheck).Checked()) text += " music";
    int locked = 0;
    for (int id : {note::MusicCheck, note::DateBox, note::HourBox, note::MinuteBox})
      locked += note.Control(id).Enabled() ? 0 : 1;
    if (locked > 0) text += locked == 4 ? " locked" : " partly locked";
    if (note.HasControl(note::PickerPanel) && note.Control(note::PickerPanel).Visible() &&
        note.Control(note::PickerShadow).Visible())
      text += " picker " + Text(note, note::MonthLabel);
    return text + colour;
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
  // Cancel after a firing puts back the options the note showed when it fired, whichever way its
  // details came to be open: the window, the menu's check marks and the file follow.
  std::string AfterCancel(sim::SimForm& note, const std::string& file) {
    auto seen = Looks(note);
    RightPress(note);
    seen += std::string(" | menu") + (MenuChecked(MenuItem::InFront) ? " front" : "") +
            (MenuChecked(MenuItem::Translucent) ? " translucent" : "");
    return seen + " | Temae=" + StoredValue(file, "Temae") +
           " Toumei=" + StoredValue(file, "Toumei");
  }
};

// An empty title at a drive root gives the relay its command line all the same. The date picker
// is made only when first opened, opens at the present month, moves by month and writes the day
// clicked; its cancel writes nothing.
TEST_F(AlarmTest, TickingSetsFieldsWhoseTimeBoxesTakeTwoDigitsInRangeAndOnlyALaterMinuteIsWatched) {
  Start("/N", "C:\\");
  auto& note = MustNote(1);
  EXPECT_EQ(Alarm(note), "off 0000/00/00 00:00 locked waiting");
  const auto before = note.Controls().size();
  desktop_.Click(note, note::AlarmCheck);
  EXPECT_EQ(Alarm(note), "on 2026/12/07 00:00 picker 2026/12 waiting");
  EXPECT_EQ(note.Controls().size(), before + 2 + 3 + 7 + 37 + 1);
  EXPECT_TRUE(note.Control(FirstDayButton).Spec().graphical) << "day buttons show their colours";
  // 2026/12/01 is a Tuesday: days 1 to 31 on buttons 2 to 32.
  std::vector<std::string> december;
  for (int day = 1; day <= 31; ++day)
    december.push_back(std::to_string(day + 1) + ":" + std::to_string(day));
  EXPECT_EQ(Days(note), december);
  EXPECT_EQ(note.Control(FirstDayButton + 8).BackColour(), kReached);  // the 7th

  // Next and previous month cross the year and write nothing.
  ShowMonth(note, "2005/12/25");
  desktop_.Click(note, note::NextMonthButton);
  EXPECT_EQ(Alarm(note), "on 2005/12/25 00:00 picker 2006/01 waiting");
  ShowMonth(note, "2005/01/25");
  desktop_.Click(note, note::PreviousMonthButton);
  EXPECT_EQ(Alarm(note), "on 2005/01/25 00:00 picker 2004/12 waiting");

  // A day's click writes the date, closes the picker and selects the hour.
  ShowMonth(note, "2005/07/25");
  EXPECT_EQ(Alarm(note), "on 2005/07/25 00:00 picker 2005/07 waiting");
  desktop_.Click(note, FirstDayButton + 9);  // 2005/07/01 is a Friday: day 5 is button 9
  EXPECT_EQ(Alarm(note), "on 2005/07/05 00:00 waiting");
  EXPECT_TRUE(note.Control(note::HourBox).HasFocus());
  EXPECT_EQ(note.Control(note::HourBox).SelectedText(), "00");

  // Cancel leaves the date; a damaged date opens the present month.
  Click(note, {note::DateBox, note::NextMonthButton, note::PickerCancelButton});
  EXPECT_EQ(Alarm(note), "on 2005/07/05 00:00 waiting");
  for (const std::string damaged : {"", "20x5/07/25", "2005/13/01", "2005/0", "２００５/07/25"}) {
    ShowMonth(note, damaged);
    EXPECT_EQ(Alarm(note), "on " + damaged + " 00:00 picker 2026/12 waiting");
    EXPECT_EQ(Days(note), december) << damaged;
  }
  desktop_.Click(note, note::PickerCancelButton);

  // Digits and Backspace pass the time boxes; the date is only picked.
  const std::tuple<int, int, int> keys[] = {{note::HourBox, '7', '7'}, {note::MinuteBox, 8, 8},
                                            {note::HourBox, 'a', 0},   {note::MinuteBox, '-', 0},
                                            {note::DateBox, '1', 0},   {note::DateBox, 8, 0}};
  for (const auto& [box, key, passed] : keys) EXPECT_EQ(desktop_.KeyPress(note, box, key), passed);

  // The hour and minute typed, the box the focus leaves, and the time they make.
  const std::tuple<const char*, const char*, int, const char*> cases[] = {
      {"7", "00", note::HourBox, "07:00"},          {"30", "00", note::HourBox, "23:00"},
      {"00", "75", note::MinuteBox, "00:59"},       {"", "5", note::HourBox, "00:05"},
      {"99999", "99999", note::MinuteBox, "23:59"}, {"1a", "-5", note::HourBox, "00:00"},
      {"007", "", note::HourBox, "07:00"},
  };
  for (const auto& [hour, minute, left, time] : cases) {
    desktop_.Focus(note, note::DetailsBox);
    desktop_.Type(note, note::HourBox, hour);
    desktop_.Type(note, note::MinuteBox, minute);
    desktop_.Focus(note, left);
    desktop_.Focus(note, note::DetailsBox);
    EXPECT_EQ(Text(note, note::HourBox) + ":" + Text(note, note::MinuteBox), time)
        << hour << " " << minute;
  }

  // Focus entering a box selects its digits, or empties a box of blanks.
  desktop_.Type(note, note::HourBox, "05");
  desktop_.Focus(note, note::HourBox);
  EXPECT_EQ(note.Control(note::HourBox).SelectedText(), "05");
  desktop_.Focus(note, note::DetailsBox);
  desktop_.Type(note, note::MinuteBox, "   ");
  desktop_.Focus(note, note::MinuteBox);
  EXPECT_EQ(Text(note, note::MinuteBox), "");

  Click(note, {note::MusicCheck, note::DateBox});  // the date picker open again
  ASSERT_EQ(Alarm(note), "on ２００５/07/25 05: music picker 2026/12 waiting");
  desktop_.Click(note, note::AlarmCheck);  // unticked: cleared, locked, the picker closed
  EXPECT_EQ(Alarm(note), "off 0000/00/00 00:00 locked waiting");

  desktop_.Click(note, note::AlarmCheck);    // today, 00:00: already past at 09:00
  desktop_.Type(note, note::HourBox, "09");  // the present minute is not later either
  Save(note);
  EXPECT_FALSE(note.TimerRunning(note::AlarmTimer));
  ShiftDoubleClickTitle(note);
  desktop_.Type(note, note::MinuteBox, "01");
  Save(note);
  desktop_.Advance(1min);
  EXPECT_EQ(CommandLines(), Lines{Said("", "C:\\vokrelay.exe")});
}

TEST_F(AlarmTest, FiresOnceAtTheStartOfItsMinuteOnAHiddenNoteAndCancelGivesBackItsOptions) {
  auto& run = StartWith({AlarmNote("買い物", "2026/12/07", "09", "01", 1, 2000, 1, 1)});
  auto& note = MustNote(1);
  Choose(note, MenuItem::HideNote);
  ASSERT_EQ(Looks(note), "hidden front layered alpha=150");
  const auto stored = ReadNoteFile("0.txt");

  desktop_.Advance(59'999ms);
  EXPECT_TRUE(desktop_.StartedProcesses().empty());
  desktop_.Advance(1ms);
  ASSERT_EQ(CommandLines(), (Lines{kRelay + " | " + kRelay + " #[↑]", Said("買い物")}));
  EXPECT_EQ(Looks(note), "shown front details [front] [translucent]");
  EXPECT_EQ(note.Bounds(), (TwipsRect{0, 600, 6495, 5190})) << "2000 - 3135 stops at the edge";
  EXPECT_EQ(Alarm(note), "on 2026/12/07 09:01 music due");
  EXPECT_TRUE(run.ControllerForm().TimerRunning(manager::SnapTick::SnapTimer))
      << "the note shown by its alarm snaps like any other";
  EXPECT_EQ(ReadNoteFile("0.txt"), stored) << "firing saves nothing";

  EXPECT_FALSE(note.TimerRunning(note::AlarmTimer)) << "nothing left to fire";

  // Cancel gives the note its own options back, in front and translucent, and so does its file.
  Cancel(note);
  EXPECT_EQ(Looks(note), "shown front layered alpha=150 [front] [translucent]");
  desktop_.RequestClose(note);
  EXPECT_TRUE(FileHas("0.txt", "Temae=1\r\nToumei=1\r\n"));
}

// Nothing during the firing's yield fires it again, and a note closed meanwhile still calls. A note
// loaded after its minute only turns green; a clock set forward or a sleep fires once, and a clock
// set back waits again.
TEST_F(AlarmTest, AClockSetForwardOrASleepFiresOnceAndAClockSetBackWaitsAgain) {
  StartWith(
      {AlarmNote("once", "2026/12/07", "09", "01"), AlarmNote("gone", "2026/12/07", "09", "02"),
       AlarmNote("set", "2026/12/07", "10", "00"), AlarmNote("slept", "2026/12/07", "12", "00"),
       AlarmNote("again", "2026/12/07", "08", "00")});
  EXPECT_EQ(Alarm(MustNote(3)), "never opened waiting");
  EXPECT_EQ(Alarm(MustNote(5)), "never opened due");
  EXPECT_FALSE(MustNote(5).TimerRunning(note::AlarmTimer)) << "nothing to wait for";
  desktop_.Advance(59s);
  // A clock change waiting in the queue runs while the firing yields.
  desktop_.Defer([this] { desktop_.SetClock({2026, 12, 7, 9, 1, 30}); });
  desktop_.Advance(1s);
  EXPECT_EQ(CommandLines(), Lines{Said("once")});
  auto& gone = MustNote(2);
  desktop_.Advance(29s);
  desktop_.Defer([this, &gone] { desktop_.RequestClose(gone); });
  desktop_.Advance(1s);
  EXPECT_EQ(Note(2), nullptr);
  Lines said{Said("once"), Said("gone")};
  EXPECT_EQ(CommandLines(), said);

  desktop_.SetClock({2026, 12, 7, 10, 5, 0});
  said.push_back(Said("set"));
  EXPECT_EQ(CommandLines(), said);
  EXPECT_EQ(Looks(MustNote(3)) + ", " + Looks(MustNote(4)), "shown front details, shown");
  desktop_.SleepFor(3h);
  desktop_.SetClock({2026, 12, 7, 15, 0, 0});
  desktop_.Advance(10min);
  said.push_back(Said("slept"));
  EXPECT_EQ(CommandLines(), said) << "the note loaded after its minute never fires";
  EXPECT_FALSE(DetailsOpen(MustNote(5)));

  desktop_.SetClock({2026, 12, 7, 7, 59, 30});  // back before them all
  EXPECT_EQ(Alarm(MustNote(5)), "never opened waiting");
  desktop_.Advance(30s);
  said.push_back(Said("again"));
  EXPECT_EQ(CommandLines(), said);
}

// A firing note goes above every window, notes kept in front included, and
// stays there while its details are open, without taking the focus; closing
// its details gives the window its own option back.
TEST_F(AlarmTest, AFiringNoteIsRaisedAboveEveryWindowUntilItsDetailsClose) {
  for (const bool alreadyOpen : {false, true}) {
    SCOPED_TRACE(alreadyOpen);
    std::filesystem::remove_all(DataDir());
    StartWith({AlarmNote("due", "2026/12/07", "09", alreadyOpen ? "02" : "01"),
               NoteBytes("front", 9000, 3000, "", 1), NoteBytes("front too", 9000, 6000, "", 1)});
    auto& due = MustNote(1);
    if (alreadyOpen) ShiftDoubleClickTitle(due);
    auto& other = WindowBeneath({0, 0, 300, 300});
    desktop_.Activate(other);
    ASSERT_NE(desktop_.ZOrder().front(), &due);

    desktop_.Advance(1min);
    ASSERT_EQ(Looks(due), "shown front details");
    EXPECT_EQ(desktop_.ZOrder().front(), &due);
    EXPECT_EQ(desktop_.ActiveForm(), &other) << "the user's window keeps the focus";

    // Taking a front note off the top layer puts the others back, the firing one last.
    Choose(MustNote(2), MenuItem::InFront);
    EXPECT_EQ(std::tuple(desktop_.ZOrder().front(), MustNote(3).Topmost()), std::tuple(&due, true));

    Cancel(due);
    EXPECT_FALSE(due.Topmost()) << "its own option again";
    EXPECT_TRUE(FileHas("0.txt", "Temae=0\r\n"));
    StopAll();
  }
}

// A firing while the details are open keeps what they show then, options included, for Cancel
// to put back, and the open view stays put; options saved off stay off after a firing though the
// details opened with them on. Cancel puts back the alarm fields too.
TEST_F(AlarmTest, AFiringKeepsWhatTheDetailsShowThenForCancel) {
  // In front and translucent, due at 09:01.
  StartWith({AlarmNote("front", "2026/12/07", "09", "01", 0, 9000, 1, 1),
             NoteBytes("plain", 9000, 3000, "", 1, 1),
             AlarmNote("keep", "2026/12/24", "08", "05")});
  auto& note = MustNote(1);
  auto& plain = MustNote(2);
  ShiftDoubleClickTitle(plain);
  Click(plain,
        {note::InFrontCheck, note::TranslucentCheck, note::AlarmCheck, note::PickerCancelButton});
  desktop_.Type(plain, note::HourBox, "09");
  desktop_.Type(plain, note::MinuteBox, "01");
  Save(plain);
  ShiftDoubleClickTitle(note);
  const auto open = note.Bounds();
  TypeTitle(note, "draft");
  desktop_.Click(note, note::InFrontCheck);  // unsaved when the alarm fires
  desktop_.Advance(1min);
  ASSERT_EQ(CommandLines().size(), 2u);
  EXPECT_EQ(note.Bounds(), open);
  Cancel(plain);
  EXPECT_EQ(AfterCancel(plain, "1.txt"), "shown | menu | Temae=False Toumei=False");

  // After the firing: undone by cancel.
  TypeTitle(note, "later");
  desktop_.Type(note, note::HourBox, "5");
  desktop_.Click(note, note::TranslucentCheck);
  Cancel(note);
  EXPECT_EQ(Text(note, note::TitleBox) + " " + Alarm(note), "draft on 2026/12/07 09:01 due");
  EXPECT_EQ(note.Bounds(), (TwipsRect{9000, 600, 3360, 480}));
  EXPECT_EQ(AfterCancel(note, "0.txt"),
            "shown layered alpha=150 [translucent] | menu translucent | "
            "Temae=False Toumei=True");

  // Cancel puts back an unticked alarm and a changed hour; every field changed and saved is
  // written.
  auto& keep = MustNote(3);
  ShiftDoubleClickTitle(keep);
  desktop_.Click(keep, note::AlarmCheck);
  EXPECT_EQ(Alarm(keep), "off 0000/00/00 00:00 locked due") << "the watcher follows the fields";
  Cancel(keep);
  EXPECT_EQ(Alarm(keep), "on 2026/12/24 08:05 waiting");

  ShiftDoubleClickTitle(keep);  // cancel left no picker open
  desktop_.Type(keep, note::HourBox, "7");
  ASSERT_EQ(Alarm(keep), "on 2026/12/24 7:05 waiting");
  Cancel(keep);
  EXPECT_EQ(Alarm(keep), "on 2026/12/24 08:05 waiting");
  desktop_.RequestClose(keep);
  EXPECT_EQ(ReadNoteFile("2.txt"), AlarmNote("keep", "2026/12/24", "08", "05"));

  Start("/*");  // forwarded: the closed note opens again as note 4
  auto& fields = MustNote(4);
  ShiftDoubleClickTitle(fields);
  // Unticked and ticked again.
  Click(fields, {note::AlarmCheck, note::AlarmCheck, note::PickerCancelButton, note::MusicCheck});
  desktop_.Type(fields, note::DateBox, "2027/01/02");  // a paste: keys are filtered
  desktop_.Type(fields, note::HourBox, "23");
  desktop_.Focus(fields, note::MinuteBox);
  desktop_.Type(fields, note::MinuteBox, "5");
  desktop_.Focus(fields, note::TitleBox);  // leaving the minute box makes it "05"
  Save(fields);
  EXPECT_EQ(ReadNoteFile("2.txt"), AlarmNote("keep", "2027/01/02", "23", "05", 1));
  EXPECT_TRUE(fields.TimerRunning(note::AlarmTimer));
}

}  // namespace
}  // namespace zlt::test
