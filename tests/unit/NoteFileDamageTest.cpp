// Damaged and foreign note files: every one reads to a sound result, and what
// is written back keeps the bytes that were not changed. Odd line breaks are
// the profile reader's test.
#include <gtest/gtest.h>

#include <random>

#include "MemoryFileSystem.h"
#include "note/NoteFile.h"

namespace zlt::note {
namespace {

constexpr std::string_view kPath = "C:\\ZLT\\user\\0.txt";
constexpr std::string_view kHeader =
    "[ZLT\x95\x74\xe2\xb3\x8e\x86\x83\x76\x83\x89\x83\x4f\x83\x43\x83\x93]\r\n";

class DamagedNoteFile : public ::testing::Test {
 protected:
  void Store(std::string bytes) { files_.files[std::string(kPath)] = std::move(bytes); }
  const std::string& Stored() { return files_.files.at(std::string(kPath)); }
  test::MemoryFileSystem files_;
};

TEST_F(DamagedNoteFile, BinaryJunkReadsAsUnusableOrWithDefaults) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 100; ++round) {
    std::string junk(round * 37, '\0');
    for (char& c : junk) c = static_cast<char>(byte(random));
    // Junk around a real header and key: the keys still read.
    Store(junk + "\r\n" + std::string(kHeader) + "Alarm=1\r\n" + junk);
    const auto values = ReadNoteFile(files_, kPath);
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ(values->alarm, 1);
    Store(junk);
    (void)ReadNoteFile(files_, kPath);  // whatever it finds, it must not crash
  }
}

TEST_F(DamagedNoteFile, InvalidCodePage932BytesSurviveASingleKeyWrite) {
  const std::string body = std::string(kHeader) +
                           "Alarm=0\r\nTitle=\x80\xa0\xfd\xfe\xff\x85\x40 \x81\r\n"
                           "txtData=\xff\x83\r\n\x85";
  Store(body);
  const auto values = ReadNoteFile(files_, kPath);
  ASSERT_TRUE(values.has_value());
  // Rewriting the title with what was read keeps every byte of the file.
  ASSERT_TRUE(WriteNoteKey(files_, kPath, NoteKey::kTitle, LineText(values->title)));
  EXPECT_EQ(Stored(), body);
  // So does a full write of what was read, the details included.
  NoteFileContent content;
  content.title = values->title;
  content.details = values->details.value_or("");
  ASSERT_TRUE(WriteNoteFile(files_, kPath, content));
  EXPECT_NE(Stored().find("Title=\x80\xa0\xfd\xfe\xff\x85\x40 \x81\r\n"), std::string::npos);
  EXPECT_TRUE(Stored().ends_with("txtData=\xff\x83\r\n\x85\r\n"));
}

TEST_F(DamagedNoteFile, TenMegabyteFileReadsWhole) {
  const std::string line = "\x94\x83\x82\xa2\x95\xa8 Title=[x]\r\n";  // 買い物: 6 bytes, 9 in UTF-8
  std::string details;
  while (details.size() < 10'000'000) details += line;
  Store(std::string(kHeader) + "Alarm=0\r\nTitle=big\r\ntxtData=" + details + "\r\n");
  const auto values = ReadNoteFile(files_, kPath);
  ASSERT_TRUE(values.has_value());
  EXPECT_EQ(values->title, "big");
  ASSERT_TRUE(values->details.has_value());
  EXPECT_EQ(values->details->size(), details.size() / line.size() * (line.size() + 3));
  ASSERT_TRUE(WriteNoteKey(files_, kPath, NoteKey::kLeft, PositionText(1, NoteWrite::kOneKey)));
  EXPECT_EQ(ReadNoteFile(files_, kPath)->left, 1);
}

TEST_F(DamagedNoteFile, TenMegabytesOfOneLongLineWithoutBreaks) {
  Store(std::string(kHeader) + "Alarm=1\r\nTitle=" + std::string(10'000'000, '\x83'));
  const auto values = ReadNoteFile(files_, kPath);
  ASSERT_TRUE(values.has_value());
  EXPECT_EQ(values->title.size(), 10'000'000u / 2 * 3);  // each 0x83 0x83 is "ャ"
}

}  // namespace
}  // namespace zlt::note
