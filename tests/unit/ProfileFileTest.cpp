// Reading and writing single keys of profile files through IFileSystem.
#include <gtest/gtest.h>

#include "MemoryFileSystem.h"
#include "note/IniProfile.h"

namespace zlt::note {
namespace {

constexpr std::string_view kPath = "C:\\ZLT\\user\\ZLTFusen.ini";

TEST(ReadProfileString, FallsBackForMissingFileSectionOrKey) {
  test::MemoryFileSystem files;
  EXPECT_EQ(ReadProfileString(files, kPath, "s", "k", "True"), "True");
  files.files[std::string(kPath)] = "[t]\r\nk=1\r\n";
  EXPECT_EQ(ReadProfileString(files, kPath, "s", "k", "True"), "True");
  files.files[std::string(kPath)] = "[s]\r\nj=1\r\n";
  EXPECT_EQ(ReadProfileString(files, kPath, "s", "k", "True"), "True");
  files.files[std::string(kPath)] = "[s]\r\nk=False\r\n";
  EXPECT_EQ(ReadProfileString(files, kPath, "s", "k", "True"), "False");
}

TEST(WriteProfileString, CreatesAMissingFileWithOneSectionAndKey) {
  test::MemoryFileSystem files;
  EXPECT_TRUE(WriteProfileString(files, kPath, "ZLT付箋紙プラグイン", "Kyuchaku", "False"));
  EXPECT_EQ(files.files.at(std::string(kPath)),
            "[ZLT\x95\x74\xe2\xb3\x8e\x86\x83\x76\x83\x89\x83\x4f\x83\x43\x83\x93]\r\n"
            "Kyuchaku=False\r\n");
}

TEST(WriteProfileString, ChangesOneValueAndKeepsTheRest) {
  test::MemoryFileSystem files;
  files.files[std::string(kPath)] = "; mine\r\n[s]\r\nKyuchaku=True\r\nother=x\r\n";
  EXPECT_TRUE(WriteProfileString(files, kPath, "s", "kyuchaku", "False"));
  EXPECT_EQ(files.files.at(std::string(kPath)), "; mine\r\n[s]\r\nKyuchaku=False\r\nother=x\r\n");
  EXPECT_EQ(files.replaceCount, 1);
}

TEST(WriteProfileString, LeavesAFileItCannotReadAlone) {
  test::MemoryFileSystem files;
  files.files[std::string(kPath)] = "[s]\r\nother=keep\r\n";
  files.failReads = true;
  EXPECT_FALSE(WriteProfileString(files, kPath, "s", "k", "v"));
  EXPECT_EQ(files.files.at(std::string(kPath)), "[s]\r\nother=keep\r\n");
}

TEST(WriteProfileString, ReportsAFailedWrite) {
  test::MemoryFileSystem files;
  files.failWrites = true;
  EXPECT_FALSE(WriteProfileString(files, kPath, "s", "k", "v"));
  EXPECT_FALSE(files.FileExists(kPath));
}

}  // namespace
}  // namespace zlt::note
