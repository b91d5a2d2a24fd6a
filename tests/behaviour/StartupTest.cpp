// Start-up: the switches, the data folder, the settings file and the end paths.
#include "FusenFixture.h"

namespace zlt::test {
namespace {

using manager::MenuId;
using manager::MenuItem;

// Starts with nothing to show end at once without a window; the data folder is the user's name
// beside the program, or DEFAULT.
TEST_F(FusenTest, StartsWithNothingToShowEndAtOnceAndTheDataFolderIsTheUserNameOrDefault) {
  EXPECT_TRUE(Start("").Ended());
  EXPECT_TRUE(std::filesystem::is_directory(DataDir())) << "made even by a start that ends";
  WriteNoteFile("notes.TXT.bak", "x");  // no note file for "/*" to restore
  for (const char* line : {"/n", "/N more", "\"/N\"", "/X", "/*x", "-N", "/*"}) {
    EXPECT_TRUE(Start(line).Ended()) << line;
  }
  EXPECT_TRUE(desktop_.Forms().empty());

  auto& atRoot = Start("/V", "C:\\", "hanako");
  EXPECT_EQ(atRoot.State().DataFolder, "C:\\hanako");
  EXPECT_TRUE(std::filesystem::is_directory(root_ / "hanako"));
  Stop(atRoot);
  auto& unnamed = Start("/V", "C:\\Apps\\ZLTFusen", std::nullopt);  // the name cannot be read
  EXPECT_TRUE(std::filesystem::is_directory(root_ / "Apps" / "ZLTFusen" / "DEFAULT"));
  Stop(unnamed);
  EXPECT_EQ(Start("/V").State().DataFolder, DataFolder());
}

TEST_F(FusenTest, SnapOptionComesFromTheSettingsFile) {
  // Each settings file (nullptr: none) and whether snap is checked. How names and values are
  // read (case, blanks, words and numbers) the unit tests of the profile and value texts check.
  const std::pair<const char*, bool> cases[] = {
      {nullptr, true},
      {"[ZLT付箋紙プラグイン]\r\nKyuchaku=False\r\n", false},
      {"[ZLT付箋紙プラグイン]\r\nKyuchaku=0\r\n", false},
      {"[ZLT付箋紙プラグイン]\r\nKyuchaku=maybe\r\n", true},
      {"[ZLT付箋紙プラグイン]\r\nother=False\r\n", true},
      {"[other]\r\nKyuchaku=False\r\n", true}};
  for (const auto& [file, checked] : cases) {
    std::filesystem::remove(DataDir() / "ZLTFusen.ini");
    if (file != nullptr) WriteNoteFile("ZLTFusen.ini", Sjis(file));
    auto& run = Start("/V");
    EXPECT_EQ(run.Controller().NoteMenu().Checked(MenuId(MenuItem::Snap)), checked)
        << (file ? file : "(no file)");
    // The running first start would make every later start a second one.
    Stop(run);
  }
}

}  // namespace
}  // namespace zlt::test
