// A note's model without a window: what Cancel puts back, and what its alarm and options
// decide. What a save writes of it is the behaviour tests' (whole files compared byte for byte).
#include <gtest/gtest.h>

#include "note/NoteModel.h"

namespace zlt::note {
namespace {

// Content is text other than spaces, or an alarm; only an untouched note is blank.
TEST(NoteModelTest, ContentIsTextOtherThanSpacesOrAnAlarmAndOnlyAnUntouchedNoteIsBlank) {
  struct Case {
    const char *title, *details;
    bool alarm;
    const char *date, *hour;
    DisplayOptions options;
    bool content, blank;
  };
  const Case cases[] = {
      {"", "", false, "0000/00/00", "00", {}, false, true},
      {"   ", "  ", false, "0000/00/00", "00", {}, false, true},
      {"\t", "", false, "0000/00/00", "00", {}, true, false},  // only the space character is blank
      {"", "\r\n", false, "0000/00/00", "00", {}, true, false},  // line breaks are kept
      {"　", "", false, "0000/00/00", "00", {}, true, false},    // an ideographic space is text
      {"", "", true, "0000/00/00", "00", {}, true, false},       // an alarm alone is worth keeping
      {" x ", "", false, "0000/00/00", "00", {}, true, false},
      {"", "", false, " 0000/00/00 ", "00", {}, false, true},  // spaces around fields do not count
      {"", "", false, "0000/00/00", "07", {}, false, false},
      {"", "", false, "0000/00/00", "00", {false, false}, false, true},  // options are no content
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.title) + "|" + c.details + "|" + c.date + "|" + c.hour);
    ShownValues shown;
    shown.title = c.title;
    shown.details = c.details;
    shown.alarm = {c.alarm, false, c.date, c.hour, "00"};
    shown.options = c.options;
    EXPECT_EQ(shown.HasContent(), c.content);
    EXPECT_EQ(shown.IsBlank(), c.blank);
  }
}

// Every value as shown but the hour and minute, which come back as whole numbers of two digits.
TEST(NoteModelTest, TheCancelCopyHoldsAllNineValuesWithTimesAsTwoDigits) {
  const std::pair<std::string, std::string> times[] = {
      {"7", "07"}, {"07", "07"}, {"", "00"}, {"  9 ", "09"}, {"ab", "00"}, {"123", "123"}};
  for (const auto& [typed, kept] : times) {
    SCOPED_TRACE(typed);
    const ShownValues shown{
        "title", "details", {true, true, "2026/12/24", typed, typed}, {false, true}};
    const ShownValues copy{
        "title", "details", {true, true, "2026/12/24", kept, kept}, {false, true}};
    EXPECT_EQ(shown.CancelCopy(), copy);
  }
}

TEST(NoteModelTest, TheAlarmStampAndWhetherASaveArmsIt) {
  NoteAlarm alarm{true, false, "2005/07/30", "09", "30"};
  EXPECT_EQ(alarm.Stamp(), "200507300930");
  EXPECT_TRUE(alarm.WaitsAfterSave("200507300929"));
  alarm.on = false;
  EXPECT_FALSE(alarm.WaitsAfterSave("200001010000")) << "unticked never waits";

  // A damaged date gives what its characters give, never half a character.
  alarm.date = "年/月";
  EXPECT_EQ(alarm.Stamp(), "年/月年//月0930");
}

}  // namespace
}  // namespace zlt::note
