// The note file: exact bytes of a full write, every key's form in both kinds
// of write, reading back, single keys and the choice of a new file name; damaged and foreign
// files read to a sound result and what is written back keeps the bytes that were not changed.
// The bytes of a plain new note are the behaviour tests' NoteBytes; odd line breaks are the
// profile reader's test. Last, the texts of single values as notes read and write them.
#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>
#include <optional>
#include <random>
#include <sstream>
#include <tuple>

#include "MemoryFileSystem.h"
#include "note/NoteFile.h"
#include "note/ValueText.h"
#include "platform/Cp932.h"
#include "state/Text.h"

namespace zlt::note {
namespace {

constexpr std::string_view kFolder = "C:\\ZLT\\user\\";
constexpr std::string_view kPath = "C:\\ZLT\\user\\0.txt";
// "[ZLT付箋紙プラグイン]" in code page 932.
const std::string kHeader =
    "[ZLT\x95\x74\xe2\xb3\x8e\x86\x83\x76\x83\x89\x83\x4f\x83\x43\x83\x93]\r\n";

// Every value read, in the file's order.
std::string Fields(const NoteFileValues& v) {
  std::ostringstream out;
  out << v.alarm << ' ' << v.alarmMusic << ' ' << v.date << ' ' << v.time0 << ' ' << v.time1 << ' '
      << v.left << ' ' << v.top << ' ' << v.inFront << ' ' << v.translucent << " [" << v.title
      << "] " << (v.details ? "[" + *v.details + "]" : "(no details)");
  return out.str();
}

class NoteFileTest : public ::testing::Test {
 protected:
  void Store(std::string_view bytes) { files_.files[std::string(kPath)] = std::string(bytes); }
  const std::string& Stored() { return files_.files.at(std::string(kPath)); }
  NoteFileValues Read() {
    const int reads = files_.reads;
    auto values = ReadNoteFile(files_, kPath);
    EXPECT_EQ(files_.reads, reads + 1) << "one read of the file";
    EXPECT_TRUE(values.has_value());
    return values.value_or(NoteFileValues{});
  }

  test::MemoryFileSystem files_;
};

// Every key in both kinds of write, from the same values: a whole write, and a file of other
// values with each key written alone into it. Both read back alike; a place is a single in a
// whole write and whole twips alone, the display options "1"/"0" in a whole write and
// "True"/"False" alone, as readers of note files expect.
TEST_F(NoteFileTest, EveryKeyIsWrittenInItsFormForEachKindOfWrite) {
  const double left = 9120.5, top = 16777217;  // a window's place; a single holds 16777216
  const NoteFileContent content{.alarm = 1,
                                .alarmMusic = 1,
                                .date = "2005/07/30\r\nAlarm=0",
                                .time0 = " 9",
                                .time1 = "3\r\n0",
                                .left = static_cast<float>(left),
                                .top = static_cast<float>(top),
                                .inFront = true,
                                .translucent = false,
                                .title = "'買い物'",
                                .details = "Title=x"};
  const std::pair<NoteKey, std::string> keys[] = {
      {NoteKey::kAlarm, CheckBoxText(content.alarm)},
      {NoteKey::kAlarmMusic, CheckBoxText(content.alarmMusic)},
      {NoteKey::kDate, LineText(content.date)},
      {NoteKey::kTime0, LineText(content.time0)},
      {NoteKey::kTime1, LineText(content.time1)},
      {NoteKey::kLeft, PositionText(left, NoteWrite::kOneKey)},
      {NoteKey::kTop, PositionText(top, NoteWrite::kOneKey)},
      {NoteKey::kInFront, std::string(OptionText(true, NoteWrite::kOneKey))},
      {NoteKey::kTranslucent, std::string(OptionText(false, NoteWrite::kOneKey))},
      {NoteKey::kTitle, LineText(content.title)}};
  const std::string head = kHeader +
                           "Alarm=1\r\nAlarmMusic=1\r\nDate=2005/07/30 Alarm=0\r\n"
                           "Time0=\" 9\"\r\nTime1=3 0\r\n";
  const std::string tail = platform::Utf8ToCp932("Title=\"'買い物'\"\r\ntxtData=Title=x\r\n");
  // Halves of a twip are read rounded to even.
  const std::string read = "1 1 2005/07/30 Alarm=0  9 3 0 9120 16777216 1 0 ['買い物'] [Title=x]";

  ASSERT_TRUE(WriteNoteFile(files_, kPath, content));
  EXPECT_EQ(Stored(), head + "Left=9120.5\r\nTop=16777216\r\nTemae=1\r\nToumei=0\r\n" + tail);
  EXPECT_EQ(Fields(Read()), read);

  ASSERT_TRUE(
      WriteNoteFile(files_, kPath, {.translucent = true, .title = {}, .details = content.details}));
  for (const auto& [key, text] : keys)
    EXPECT_TRUE(WriteNoteKey(files_, kPath, key, text)) << KeyName(key);
  EXPECT_EQ(Stored(), head + "Left=9120\r\nTop=16777217\r\nTemae=True\r\nToumei=False\r\n" + tail);
  EXPECT_EQ(Fields(Read()), read);

  // The details go only into a whole write, and a note without a file gets none.
  EXPECT_FALSE(WriteNoteKey(files_, kPath, NoteKey::kDetails, "lost"));
  EXPECT_FALSE(WriteNoteKey(files_, "", NoteKey::kTitle, "lost"));
  EXPECT_EQ(Fields(Read()), read);
}

// Titles the reader would trim, unquote or cut, and details whose line breaks a save and load
// cycle could grow or that code page 932 cannot hold (the title alone would let the note be
// stored in 932 and the details come back as "?"), read back exactly through whole writes and
// a title written alone.
TEST_F(NoteFileTest, TitlesAndDetailsReadBackExactlyWriteAfterWrite) {
  std::string longTitle;
  for (int i = 0; i < 200; ++i) longTitle += "表";  // 400 bytes in 932
  for (const std::string title : {" lead", "trail\t", "\"quoted\"", "'single'", "\"", "\"a'", "",
                                  longTitle.c_str(), "see txtData=here", "txtData=first"}) {
    for (const std::string details : {"", "x", "x\r\n", "\r\n\r\n", "a\r\n\r\nb", "한글 ♫",
                                      "\xF0\x9F\x93\x9D memo\r\n2 行目"}) {
      SCOPED_TRACE(title + "|" + details);
      NoteFileContent content{.title = title, .details = details};
      for (int cycle = 0; cycle < 3; ++cycle) {
        ASSERT_TRUE(WriteNoteFile(files_, kPath, content));
        const auto read = Read();
        EXPECT_EQ(std::tie(read.title, read.details), std::tie(title, details));
        content.details = read.details.value_or("missing");
      }
      ASSERT_TRUE(WriteNoteKey(files_, kPath, NoteKey::kTitle, LineText(title)));
      const auto read = Read();
      EXPECT_EQ(std::tie(read.title, read.details), std::tie(title, details));
    }
  }
}

// Missing values and values that do not convert take their defaults; options read as truths
// ("-1" is how a number reads true). A file is unusable when missing, without the section,
// without "Alarm" or with an "Alarm" that is not a number.
TEST_F(NoteFileTest, DamagedValuesTakeTheirDefaultsAndFilesWithoutAnAlarmOrOfJunkAreUnusable) {
  const std::pair<std::string, std::string> cases[] = {
      {kHeader + "Alarm=yes\r\nAlarmMusic=70000\r\nLeft=far\r\nTop=1e12\r\nTemae=-1\r\n"
                 "Toumei=maybe\r\n",
       "0 0 0000/00/00 00 00 0 0 1 0 [] (no details)"},
      {kHeader + "Alarm=\r\nLeft=9121.5\r\nTop=-15.5\r\n",
       "0 0 0000/00/00 00 00 9122 -16 0 0 [] (no details)"},
      {"Alarm=1\r\n", "unusable"},
      {"[other]\r\nAlarm=1\r\n", "unusable"},
      {kHeader + "Title=x\r\n", "unusable"},
      {kHeader + "Alarm=Err\r\n", "unusable"},
  };
  EXPECT_EQ(ReadNoteFile(files_, kPath), std::nullopt);
  for (const auto& [bytes, fields] : cases) {
    Store(bytes);
    const auto values = ReadNoteFile(files_, kPath);
    EXPECT_EQ(values ? Fields(*values) : "unusable", fields) << bytes;
  }
  // Binary junk reads as unusable or with defaults.
  std::mt19937 random(7);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 100; ++round) {
    std::string junk(round * 37, '\0');
    for (char& c : junk) c = static_cast<char>(byte(random));
    // Junk around a real header and key: the keys still read.
    Store(junk + "\r\n" + kHeader + "Alarm=1\r\n" + junk);
    EXPECT_EQ(Read().alarm, 1);
    Store(junk);
    (void)ReadNoteFile(files_, kPath);  // whatever it finds, it must not crash
  }
}

TEST_F(NoteFileTest, InvalidCodePage932BytesSurviveAWriteAndTenMegabyteFilesReadWhole) {
  const std::string body = kHeader +
                           "Alarm=0\r\nTitle=\x80\xa0\xfd\xfe\xff\x85\x40 \x81\r\n"
                           "txtData=\xff\x83\r\n\x85";
  Store(body);
  const auto values = Read();
  // Rewriting the title with what was read keeps every byte of the file.
  ASSERT_TRUE(WriteNoteKey(files_, kPath, NoteKey::kTitle, LineText(values.title)));
  EXPECT_EQ(Stored(), body);
  // So does a full write of what was read, the details included.
  const NoteFileContent content{.title = values.title, .details = values.details.value_or("")};
  ASSERT_TRUE(WriteNoteFile(files_, kPath, content));
  EXPECT_NE(Stored().find("Title=\x80\xa0\xfd\xfe\xff\x85\x40 \x81\r\n"), std::string::npos);
  EXPECT_TRUE(Stored().ends_with("txtData=\xff\x83\r\n\x85\r\n"));

  // Ten-megabyte files read whole.
  const std::string line = "\x94\x83\x82\xa2\x95\xa8 Title=[x]\r\n";  // 買い物: 6 bytes, 9 in UTF-8
  std::string details;
  while (details.size() < 10'000'000) details += line;
  Store(kHeader + "Alarm=0\r\nTitle=big\r\ntxtData=" + details + "\r\n");
  const auto big = Read();
  EXPECT_EQ(std::pair(big.title, big.details.value_or("").size()),
            std::pair(std::string("big"), details.size() / line.size() * (line.size() + 3)));
  ASSERT_TRUE(WriteNoteKey(files_, kPath, NoteKey::kLeft, PositionText(1, NoteWrite::kOneKey)));
  EXPECT_EQ(Read().left, 1);

  // One long line without breaks.
  Store(kHeader + "Alarm=1\r\nTitle=" + std::string(10'000'000, '\x83'));
  EXPECT_EQ(Read().title.size(), 10'000'000u / 2 * 3);  // each 0x83 0x83 is "ャ"
}

// It takes the lowest number free in any case, never overwrites (it gives up when every number
// is taken) and checks each candidate even when the listing misses it.
TEST_F(NoteFileTest, ANewFileTakesTheLowestNumberFreeAndNeverOverwrites) {
  EXPECT_EQ(NewNoteFilePath(files_, kFolder), "C:\\ZLT\\user\\0.txt");
  files_.files = {{"C:\\ZLT\\user\\0.TXT", ""},
                  {"C:\\ZLT\\user\\2.txt", ""},
                  {"C:\\ZLT\\user\\ZLTFusen.ini", ""}};
  EXPECT_EQ(NewNoteFilePath(files_, kFolder), "C:\\ZLT\\user\\1.txt");
  files_.files["C:\\ZLT\\user\\1.txt"] = "";
  EXPECT_EQ(NewNoteFilePath(files_, kFolder), "C:\\ZLT\\user\\3.txt");
  for (int n = 0; n <= 32767; ++n) files_.files["C:\\ZLT\\user\\" + std::to_string(n) + ".txt"];
  EXPECT_EQ(NewNoteFilePath(files_, kFolder), std::nullopt);
  files_.files.erase("C:\\ZLT\\user\\32767.txt");
  EXPECT_EQ(NewNoteFilePath(files_, kFolder), "C:\\ZLT\\user\\32767.txt");
  files_.files = {{"C:\\ZLT\\user\\0.txt", ""}};
  files_.listsNothing = true;
  EXPECT_EQ(NewNoteFilePath(files_, kFolder), "C:\\ZLT\\user\\1.txt");
}

template <typename T>
using Cases = std::initializer_list<std::pair<const char*, std::optional<T>>>;

// The values of a note file as texts: truths take words in any case and numbers and refuse
// everything else; one number parser has two syntaxes, the alarm's hour and minute boxes taking
// whole numbers alone (nine digits at most) and the note file's numbers (Alarm and AlarmMusic,
// read into 16 bits, halves rounded to even) fractions and exponents too; a place is read as a
// single (16777217 is 16777216), then rounded half to even.
TEST(ValueText, TruthsNumbersAndPlacesReadAndPlacesWrittenAsNoteFilesHoldThem) {
  const Cases<bool> truths = {{"True", true}, {"TRUE", true}, {" false ", false}, {"1", true},
                              {"-1", true},   {"0.5", true},  {"0", false},       {"0.0", false},
                              {"", {}},       {" ", {}},      {"yes", {}},        {"Tru", {}},
                              {"truex", {}},  {"1x", {}},     {"nan", {}},        {"inf", {}},
                              {"0x1", {}},    {"--1", {}},    {"+", {}}};
  for (const auto& [text, truth] : truths)
    EXPECT_EQ(TextToTruth(text), truth) << '"' << text << '"';
  // As the hour and minute boxes are read, then as Alarm and AlarmMusic are.
  const Cases<long> whole = {
      {"9", 9},         {" 09 ", 9},        {"-05", -5},     {"+7", 7},          {"-0", 0},
      {"0.5", {}},      {"1.5", {}},        {"2.5", {}},     {"-2.5", {}},       {"3.5", {}},
      {"32767", 32767}, {"-32768", -32768}, {"32767.4", {}}, {"32768", 32768},   {"-32769", -32769},
      {"32767.5", {}},  {"1e400", {}},      {"nan", {}},     {"Err", {}},        {"1,0", {}},
      {"1e2", {}},      {".5", {}},         {"7.", {}},      {"0000000001", {}}, {"99999", 99999},
      {"", {}},         {"+", {}},          {"--1", {}},     {"+-1", {}},        {"1 2", {}},
      {"0x1", {}},      {"1e", {}}};
  for (const auto& [text, value] : whole)
    EXPECT_EQ(ParseWholeNumber<long>(text, NumberSyntax::kWhole), value) << '"' << text << '"';
  EXPECT_EQ(ParseWholeNumber<long>("123456789", NumberSyntax::kWhole), 123456789);
  const Cases<std::int16_t> decimal = {
      {"9", 9},           {" 09 ", 9},   {"-05", -5},      {"+7", 7},
      {"-0", 0},          {"0.5", 0},    {"1.5", 2},       {"2.5", 2},
      {"-2.5", -2},       {"3.5", 4},    {"32767", 32767}, {"-32768", -32768},
      {"32767.4", 32767}, {"32768", {}}, {"-32769", {}},   {"32767.5", {}},
      {"1e400", {}},      {"nan", {}},   {"Err", {}},      {"1,0", {}},
      {"1e2", 100},       {".5", 0},     {"7.", 7},        {"0000000001", 1},
      {"123456789", {}},  {"99999", {}}, {"", {}},         {"+", {}},
      {"--1", {}},        {"+-1", {}},   {"1 2", {}},      {"0x1", {}},
      {"1e", {}}};
  for (const auto& [text, value] : decimal)
    EXPECT_EQ(TextToInt16(text), value) << '"' << text << '"';
  const Cases<std::int32_t> places = {{"9120", 9120}, {"9120.5", 9120},  {"9121.5", 9122},
                                      {"-15.5", -16}, {"1500.49", 1500}, {"16777217", 16777216},
                                      {"", {}},       {"left", {}},      {"12px", {}},
                                      {"3e9", {}},    {"-3e9", {}},      {"1e39", {}}};
  for (const auto& [text, twips] : places)
    EXPECT_EQ(TextToTwips(text), twips) << '"' << text << '"';

  // A place is written as the shortest plain decimal that reads back as the same single.
  const std::pair<float, const char*> texts[] = {{9120.0f, "9120"}, {9120.5f, "9120.5"},
                                                 {0.1f, "0.1"},     {-15.0f, "-15"},
                                                 {-0.0f, "0"},      {1e10f, "10000000000"}};
  for (const auto& [value, text] : texts) EXPECT_EQ(SingleToText(value), text) << value;
  EXPECT_EQ(SingleToText(std::numeric_limits<float>::infinity()), "0");
  EXPECT_EQ(SingleToText(std::numeric_limits<float>::quiet_NaN()), "0");
  for (const float value : {0.1f, 1.0f / 3.0f, 123456.79f, -9120.5f, 3.4e38f, 1e-20f}) {
    const std::string text = SingleToText(value);
    EXPECT_EQ(std::stof(text), value) << text;
    EXPECT_EQ(text.find_first_of("eE,"), std::string::npos) << text;
  }
}

}  // namespace
}  // namespace zlt::note
