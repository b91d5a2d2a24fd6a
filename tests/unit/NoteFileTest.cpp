// The note file: exact bytes of a full write, every key's form in both kinds
// of write, reading back, single keys and the choice of a new file name; damaged and foreign
// files read to a sound result and what is written back keeps the bytes that were not changed.
// The bytes of a plain new note are the behaviour tests' NoteBytes; odd line breaks are the
// profile reader's test.
#include <gtest/gtest.h>

#include <random>
#include <sstream>

#include "MemoryFileSystem.h"
#include "note/NoteFile.h"
#include "platform/Cp932.h"

namespace zlt::note {
namespace {

constexpr std::string_view kFolder = "C:\\ZLT\\user\\";
constexpr std::string_view kPath = "C:\\ZLT\\user\\0.txt";
// "[ZLT付箋紙プラグイン]" in code page 932.
constexpr std::string_view kHeader =
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
    auto values = ReadNoteFile(files_, kPath);
    EXPECT_TRUE(values.has_value());
    return values.value_or(NoteFileValues{});
  }

  test::MemoryFileSystem files_;
};

// Every key in both kinds of write, from the same values: its line in a whole
// write, and the line it leaves written alone into a file of other values.
// Both read back alike; the display options are "1"/"0" in a whole write and
// "True"/"False" alone, as readers of note files expect.
TEST_F(NoteFileTest, EveryKeyIsWrittenInItsFormForEachKindOfWrite) {
  const int left = -15, top = 16777217;  // a window's place; a single holds 16777216
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
  const auto alone = NoteWrite::kOneKey;
  struct Row {
    NoteKey key;
    std::string aloneText;
    std::string wholeLine, aloneLine;
  };
  const Row rows[] = {
      {NoteKey::kAlarm, CheckBoxText(content.alarm), "Alarm=1", "Alarm=1"},
      {NoteKey::kAlarmMusic, CheckBoxText(content.alarmMusic), "AlarmMusic=1", "AlarmMusic=1"},
      {NoteKey::kDate, LineText(content.date), "Date=2005/07/30 Alarm=0",
       "Date=2005/07/30 Alarm=0"},
      {NoteKey::kTime0, LineText(content.time0), "Time0=\" 9\"", "Time0=\" 9\""},
      {NoteKey::kTime1, LineText(content.time1), "Time1=3 0", "Time1=3 0"},
      {NoteKey::kLeft, PositionText(left, alone), "Left=-15", "Left=-15"},
      {NoteKey::kTop, PositionText(top, alone), "Top=16777216", "Top=16777217"},
      {NoteKey::kInFront, std::string(OptionText(true, alone)), "Temae=1", "Temae=True"},
      {NoteKey::kTranslucent, std::string(OptionText(false, alone)), "Toumei=0", "Toumei=False"},
      {NoteKey::kTitle, LineText(content.title), "Title=\"'買い物'\"", "Title=\"'買い物'\""},
  };
  std::string wholeLines, aloneLines;
  for (const Row& row : rows) {
    wholeLines += row.wholeLine + "\r\n";
    aloneLines += row.aloneLine + "\r\n";
  }
  const std::string detailsLine = "txtData=Title=x\r\n";

  ASSERT_TRUE(WriteNoteFile(files_, kPath, content));
  EXPECT_EQ(Stored(), std::string(kHeader) + platform::Utf8ToCp932(wholeLines + detailsLine));
  const std::string wholeRead = Fields(Read());

  NoteFileContent other;
  other.translucent = true;
  other.details = content.details;
  ASSERT_TRUE(WriteNoteFile(files_, kPath, other));
  for (const Row& row : rows) {
    EXPECT_TRUE(WriteNoteKey(files_, kPath, row.key, row.aloneText)) << KeyName(row.key);
  }
  EXPECT_EQ(Stored(), std::string(kHeader) + platform::Utf8ToCp932(aloneLines + detailsLine));
  EXPECT_EQ(Fields(Read()), wholeRead);

  // The details go only into a whole write, and a note without a file gets none.
  EXPECT_FALSE(WriteNoteKey(files_, kPath, NoteKey::kDetails, "lost"));
  EXPECT_FALSE(WriteNoteKey(files_, "", NoteKey::kTitle, "lost"));
  EXPECT_EQ(Fields(Read()), wholeRead);
}

// A title typed into a code page 932 note that 932 cannot hold turns the file
// UTF-16; the write says so, so that the note's next whole write stays UTF-16.
TEST_F(NoteFileTest, AKeyWrittenAloneThatTurnsTheFileUtf16SaysSo) {
  NoteFileContent content;
  content.title = "寿司";
  content.details = "詳細";
  ASSERT_TRUE(WriteNoteFile(files_, kPath, content));
  const auto plain = WriteNoteKey(files_, kPath, NoteKey::kTitle, LineText("すし"));
  EXPECT_TRUE(plain);
  EXPECT_FALSE(plain.utf16);
  const auto turned = WriteNoteKey(files_, kPath, NoteKey::kTitle, LineText("초밥"));
  EXPECT_TRUE(turned);
  EXPECT_TRUE(turned.utf16);
  content.title = "초밥";
  EXPECT_EQ(Stored(), NoteFileBytes(content)) << "as the whole write of the note stores it";
  EXPECT_TRUE(Read().utf16);
  EXPECT_TRUE(WriteNoteKey(files_, kPath, NoteKey::kTitle, LineText("すし")).utf16)
      << "a UTF-16 file stays so";
}

// Only the details hold what code page 932 cannot: the title alone would let
// the note be stored in 932 and the details come back as "?".
TEST_F(NoteFileTest, DetailsAloneThatCodePage932CannotHoldMakeTheFileUtf16) {
  NoteFileContent content;
  content.title = "買い物";
  for (const std::string details : {"한글 ♫", "\xF0\x9F\x93\x9D memo\r\n2 行目"}) {
    SCOPED_TRACE(details);
    content.details = details;
    ASSERT_TRUE(WriteNoteFile(files_, kPath, content));
    EXPECT_EQ(Stored().substr(0, 2), "\xFF\xFE") << "UTF-16LE with its byte-order mark";
    const auto read = Read();
    EXPECT_TRUE(read.utf16);
    EXPECT_EQ(read.title, "買い物");
    EXPECT_EQ(read.details, details);
  }
}

TEST_F(NoteFileTest, SaveAndLoadCyclesNeverGrowTheDetails) {
  NoteFileContent content;
  for (const std::string details : {"", "x", "x\r\n", "\r\n\r\n", "a\r\n\r\nb"}) {
    content.details = details;
    for (int cycle = 0; cycle < 3; ++cycle) {
      ASSERT_TRUE(WriteNoteFile(files_, kPath, content));
      content.details = Read().details.value_or("missing");
      EXPECT_EQ(content.details, details);
    }
  }
}

TEST_F(NoteFileTest, TitlesThatTheReaderWouldTrimUnquoteOrCutReadBackExactly) {
  NoteFileContent content;
  content.details = "body";
  std::string longTitle;
  for (int i = 0; i < 200; ++i) longTitle += "表";  // 400 bytes in 932
  for (const std::string title : {" lead", "trail\t", "\"quoted\"", "'single'", "\"", "\"a'", "",
                                  longTitle.c_str(), "see txtData=here", "txtData=first"}) {
    content.title = title;
    ASSERT_TRUE(WriteNoteFile(files_, kPath, content));
    EXPECT_EQ(Read().title, title);
    ASSERT_TRUE(WriteNoteKey(files_, kPath, NoteKey::kTitle, LineText(title)));
    EXPECT_EQ(Read().title, title);
    EXPECT_EQ(Read().details, "body") << "the details key inside a title starts nothing";
  }
}

TEST_F(NoteFileTest, FractionalPositionsAreWrittenAsSinglesAndRoundedOnReading) {
  NoteFileContent content;
  content.left = 9120.5f;
  content.top = 9121.5f;
  ASSERT_TRUE(WriteNoteFile(files_, kPath, content));
  EXPECT_NE(Stored().find("Left=9120.5\r\nTop=9121.5\r\n"), std::string::npos);
  EXPECT_EQ(Read().left, 9120);
  EXPECT_EQ(Read().top, 9122);
}

TEST_F(NoteFileTest,
       MissingValuesAndValuesThatDoNotConvertTakeTheirDefaultsAndOptionsReadAsTruths) {
  Store(std::string(kHeader) +
        "Alarm=yes\r\nAlarmMusic=70000\r\nLeft=far\r\nTop=1e12\r\nTemae=-1\r\nToumei=maybe\r\n");
  // "-1" is how a number reads true, as TextToTruth takes it.
  EXPECT_EQ(Fields(Read()), "0 0 0000/00/00 00 00 0 0 1 0 [] (no details)");
}

// Missing, without the section, without "Alarm" or with an "Alarm" that is not a number.
TEST_F(NoteFileTest, UnusableFilesReadAsNothing) {
  EXPECT_EQ(ReadNoteFile(files_, kPath), std::nullopt);
  const std::string header(kHeader);
  for (const std::string& bytes :
       {std::string("Alarm=1\r\n"), std::string("[other]\r\nAlarm=1\r\n"), header + "Title=x\r\n",
        header + "Alarm=Err\r\n"}) {
    Store(bytes);
    EXPECT_EQ(ReadNoteFile(files_, kPath), std::nullopt) << bytes;
  }
  Store(header + "Alarm=\r\n");
  EXPECT_EQ(Read().alarm, 0);  // present but empty
}

TEST_F(NoteFileTest, ReadsTheFileOnce) {
  struct CountingFiles : test::MemoryFileSystem {
    mutable int reads = 0;
    std::optional<std::string> ReadAll(std::string_view path) const override {
      ++reads;
      return MemoryFileSystem::ReadAll(path);
    }
  } counting;
  NoteFileContent content;
  content.details = "d";
  ASSERT_TRUE(WriteNoteFile(counting, kPath, content));
  ASSERT_TRUE(ReadNoteFile(counting, kPath).has_value());
  EXPECT_EQ(counting.reads, 1);
}

TEST_F(NoteFileTest, BinaryJunkReadsAsUnusableOrWithDefaults) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 100; ++round) {
    std::string junk(round * 37, '\0');
    for (char& c : junk) c = static_cast<char>(byte(random));
    // Junk around a real header and key: the keys still read.
    Store(junk + "\r\n" + std::string(kHeader) + "Alarm=1\r\n" + junk);
    EXPECT_EQ(Read().alarm, 1);
    Store(junk);
    (void)ReadNoteFile(files_, kPath);  // whatever it finds, it must not crash
  }
}

TEST_F(NoteFileTest, InvalidCodePage932BytesSurviveASingleKeyWrite) {
  const std::string body = std::string(kHeader) +
                           "Alarm=0\r\nTitle=\x80\xa0\xfd\xfe\xff\x85\x40 \x81\r\n"
                           "txtData=\xff\x83\r\n\x85";
  Store(body);
  const auto values = Read();
  // Rewriting the title with what was read keeps every byte of the file.
  ASSERT_TRUE(WriteNoteKey(files_, kPath, NoteKey::kTitle, LineText(values.title)));
  EXPECT_EQ(Stored(), body);
  // So does a full write of what was read, the details included.
  NoteFileContent content;
  content.title = values.title;
  content.details = values.details.value_or("");
  ASSERT_TRUE(WriteNoteFile(files_, kPath, content));
  EXPECT_NE(Stored().find("Title=\x80\xa0\xfd\xfe\xff\x85\x40 \x81\r\n"), std::string::npos);
  EXPECT_TRUE(Stored().ends_with("txtData=\xff\x83\r\n\x85\r\n"));
}

TEST_F(NoteFileTest, TenMegabyteFilesReadWhole) {
  const std::string line = "\x94\x83\x82\xa2\x95\xa8 Title=[x]\r\n";  // 買い物: 6 bytes, 9 in UTF-8
  std::string details;
  while (details.size() < 10'000'000) details += line;
  Store(std::string(kHeader) + "Alarm=0\r\nTitle=big\r\ntxtData=" + details + "\r\n");
  const auto values = Read();
  EXPECT_EQ(values.title, "big");
  ASSERT_TRUE(values.details.has_value());
  EXPECT_EQ(values.details->size(), details.size() / line.size() * (line.size() + 3));
  ASSERT_TRUE(WriteNoteKey(files_, kPath, NoteKey::kLeft, PositionText(1, NoteWrite::kOneKey)));
  EXPECT_EQ(Read().left, 1);

  // One long line without breaks.
  Store(std::string(kHeader) + "Alarm=1\r\nTitle=" + std::string(10'000'000, '\x83'));
  EXPECT_EQ(Read().title.size(), 10'000'000u / 2 * 3);  // each 0x83 0x83 is "ャ"
}

TEST(NewNoteFilePath, TakesTheLowestNumberFreeInAnyCase) {
  test::MemoryFileSystem files;
  EXPECT_EQ(NewNoteFilePath(files, kFolder), "C:\\ZLT\\user\\0.txt");
  files.files["C:\\ZLT\\user\\0.TXT"] = "";
  files.files["C:\\ZLT\\user\\2.txt"] = "";
  files.files["C:\\ZLT\\user\\ZLTFusen.ini"] = "";
  EXPECT_EQ(NewNoteFilePath(files, kFolder), "C:\\ZLT\\user\\1.txt");
  files.files["C:\\ZLT\\user\\1.txt"] = "";
  EXPECT_EQ(NewNoteFilePath(files, kFolder), "C:\\ZLT\\user\\3.txt");
}

// It never overwrites: it gives up when every number is taken, and checks each candidate even
// when the listing misses it.
TEST(NewNoteFilePath, GivesUpRatherThanOverwriteAndChecksEachCandidate) {
  struct BlindListing : test::MemoryFileSystem {
    bool blind = false;
    std::vector<std::string> ListFiles(std::string_view folder) const override {
      return blind ? std::vector<std::string>{} : MemoryFileSystem::ListFiles(folder);
    }
  } files;
  for (int n = 0; n <= 32767; ++n) files.files["C:\\ZLT\\user\\" + std::to_string(n) + ".txt"];
  EXPECT_EQ(NewNoteFilePath(files, kFolder), std::nullopt);
  files.files.erase("C:\\ZLT\\user\\32767.txt");
  EXPECT_EQ(NewNoteFilePath(files, kFolder), "C:\\ZLT\\user\\32767.txt");
  files.files = {{"C:\\ZLT\\user\\0.txt", ""}};
  files.blind = true;
  EXPECT_EQ(NewNoteFilePath(files, kFolder), "C:\\ZLT\\user\\1.txt");
}

}  // namespace
}  // namespace zlt::note
