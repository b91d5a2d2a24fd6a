// A note's model without a window: what Cancel puts back, and what its alarm and options
// decide. What a save writes of it is the behaviour tests' (whole files compared byte for byte).
#include <gtest/gtest.h>

#include "note/NoteModel.h"

namespace zlt::note {
namespace {

ShownValues Shown(std::string title, std::string details, bool alarm = false) {
  ShownValues shown;
  shown.title = std::move(title);
  shown.details = std::move(details);
  shown.alarm.on = alarm;
  return shown;
}

TEST(NoteModelTest, ContentIsTextOtherThanSpacesOrAnAlarm) {
  struct Case {
    ShownValues shown;
    bool content;
  };
  const Case cases[] = {
      {Shown("", ""), false},      {Shown("   ", "  "), false},
      {Shown("\t", ""), true},      // only the space character is blank
      {Shown("", "\r\n"), true},    // a details text of line breaks is kept
      {Shown("　", ""), true},      // an ideographic space is text
      {Shown("", "", true), true},  // an alarm alone is worth keeping
      {Shown(" x ", ""), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown.title + "|" + c.shown.details);
    EXPECT_EQ(c.shown.HasContent(), c.content);
  }
}

TEST(NoteModelTest, OnlyAnUntouchedNoteIsBlank) {
  ShownValues shown;
  EXPECT_TRUE(shown.IsBlank());
  shown.alarm.date = " 0000/00/00 ";
  EXPECT_TRUE(shown.IsBlank()) << "spaces around the fields do not count";
  shown.alarm.hour = "07";
  EXPECT_FALSE(shown.IsBlank());
  shown = ShownValues{};
  shown.options = {false, false};
  EXPECT_TRUE(shown.IsBlank()) << "the options are no content";
  shown.title = "a";
  EXPECT_FALSE(shown.IsBlank());
}

TEST(NoteModelTest, TheCancelCopyHoldsAllNineValuesWithTimesAsTwoDigits) {
  ShownValues shown = Shown("title", "details", true);
  shown.alarm.music = true;
  shown.alarm.date = "2026/12/24";
  shown.options = {false, true};
  const std::pair<std::string, std::string> times[] = {
      {"7", "07"}, {"07", "07"}, {"", "00"}, {"  9 ", "09"}, {"ab", "00"}, {"123", "123"}};
  for (const auto& [typed, kept] : times) {
    SCOPED_TRACE(typed);
    shown.alarm.hour = typed;
    shown.alarm.minute = typed;
    const auto copy = shown.CancelCopy();
    EXPECT_EQ(copy.alarm.hour, kept);
    EXPECT_EQ(copy.alarm.minute, kept);
    auto rest = copy;
    rest.alarm.hour = shown.alarm.hour;
    rest.alarm.minute = shown.alarm.minute;
    EXPECT_EQ(rest, shown) << "every other value as shown";
  }
}

TEST(NoteModelTest, TheAlarmStampAndWhetherASaveArmsIt) {
  NoteModel model;
  model.shown.alarm = {true, false, "2005/07/30", "09", "30"};
  EXPECT_EQ(model.shown.alarm.Stamp(), "200507300930");
  EXPECT_TRUE(model.shown.alarm.WaitsAfterSave("200507300929"));
  EXPECT_FALSE(model.shown.alarm.WaitsAfterSave("200507300930"))
      << "the present minute is not ahead";
  model.shown.alarm.on = false;
  EXPECT_FALSE(model.shown.alarm.WaitsAfterSave("200001010000")) << "unticked never waits";

  // A damaged date gives what its characters give, never half a character.
  model.shown.alarm.date = "年/月";
  EXPECT_EQ(model.shown.alarm.Stamp(), "年/月年//月0930");
}

}  // namespace
}  // namespace zlt::note
