// A note's model without a window: what a save writes of it, what Cancel
// puts back, and what its alarm and options decide.
#include <gtest/gtest.h>

#include "MemoryFileSystem.h"
#include "note/NoteModel.h"

namespace zlt::note {
namespace {

constexpr std::string_view kPath = "C:\\ZLT\\user\\3.txt";

ShownValues Shown(std::string title, std::string details, bool alarm = false) {
  ShownValues shown;
  shown.title = std::move(title);
  shown.details = std::move(details);
  shown.alarm.on = alarm;
  return shown;
}

// Every value of a full write differs from its default and from its
// neighbours, so a value written under the wrong key shows.
TEST(NoteModelTest, AFileReadIntoTheModelIsWrittenBackByteForByte) {
  NoteFileContent written;
  written.alarm = 1;
  written.alarmMusic = 1;
  written.date = "2027/01/31";
  written.time0 = "07";
  written.time1 = "45";
  written.left = 5000;
  written.top = 1200;
  written.inFront = true;
  written.translucent = false;
  written.title = "買い物";
  written.details = "牛乳\r\n\r\nパン";
  for (const bool utf16 : {false, true}) {
    SCOPED_TRACE(utf16);
    written.utf16 = utf16;
    test::MemoryFileSystem files;
    files.files[std::string(kPath)] = NoteFileBytes(written);
    const auto values = ReadNoteFile(files, kPath);
    ASSERT_TRUE(values.has_value());
    const auto model = NoteModel::FromFile(*values, std::string(kPath));
    EXPECT_EQ(model.path, kPath);
    EXPECT_EQ(model.utf16, utf16);
    EXPECT_EQ(model.place, (NotePlace{5000, 1200}));
    EXPECT_EQ(model.shown.options, (DisplayOptions{true, false}));
    EXPECT_EQ(model.applied, model.shown.options) << "a note read from its file has its options";
    EXPECT_EQ(NoteFileBytes(model.FileContent()), files.files[std::string(kPath)]);
  }
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
