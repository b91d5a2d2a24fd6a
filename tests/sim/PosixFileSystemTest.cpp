// The program's Windows paths on real POSIX files: the mapping, atomic
// replacement that never loses the old file, and listings of plain files.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/posix/PosixFileSystem.h"

namespace zlt::posix {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

class SimPosixFileSystem : public ::testing::Test {
 protected:
  SimPosixFileSystem()
      : root_(fs::temp_directory_path() /
              ("zlt-simfs-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name())),
        files_((fs::remove_all(root_), fs::create_directories(root_ / "Apps" / "ZLT"),
                root_.string())) {}
  ~SimPosixFileSystem() override {
    std::error_code ignored;
    fs::permissions(root_ / "Apps" / "ZLT", fs::perms::owner_all, ignored);
    fs::remove_all(root_, ignored);
  }

  std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void Put(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  Strings Sorted(Strings names) {
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path root_;
  PosixFileSystem files_;
};

TEST_F(SimPosixFileSystem, WindowsPathsMapIntoTheHostRoot) {
  const std::string r = root_.string();
  EXPECT_EQ(files_.HostPath("C:\\Apps\\ZLT\\taro\\0.txt"), r + "/Apps/ZLT/taro/0.txt");
  EXPECT_EQ(files_.HostPath("c:\\Apps"), r + "/Apps");
  EXPECT_EQ(files_.HostPath("C:\\"), r);
  EXPECT_EQ(files_.HostPath("C:"), r);
  EXPECT_EQ(files_.HostPath("C:\\Apps\\\\ZLT\\"), r + "/Apps/ZLT");
  EXPECT_EQ(files_.HostPath("C:/Apps/ZLT"), r + "/Apps/ZLT");
  EXPECT_EQ(files_.HostPath("C:\\Apps\\.\\x\\..\\ZLT"), r + "/Apps/ZLT");
  // Nothing climbs out of the drive, as on Windows.
  EXPECT_EQ(files_.HostPath("C:\\..\\..\\etc\\passwd"), r + "/etc/passwd");
  EXPECT_EQ(files_.HostPath(std::string("C:\\a\0b", 6)), std::nullopt);
  EXPECT_EQ(PosixFileSystem("").HostPath("C:\\x"), std::nullopt);
}

TEST_F(SimPosixFileSystem, ExistingNamesMatchWithoutRegardToCase) {
  // Reading by any spelling is the next test's table.
  Put(root_ / "Apps" / "ZLT" / "ZLTFusen.ini", "[s]\r\n");
  ASSERT_TRUE(files_.ReplaceAtomically("C:\\Apps\\ZLT\\zltfusen.ini", "new"));
  EXPECT_EQ(files_.ListFiles("C:\\Apps\\zlt"), Strings{"ZLTFusen.ini"});  // one file, same name
  EXPECT_EQ(Slurp(root_ / "Apps" / "ZLT" / "ZLTFusen.ini"), "new");
  // A new name keeps the spelling it was given.
  ASSERT_TRUE(files_.ReplaceAtomically("C:\\apps\\zlt\\New.TXT", "n"));
  EXPECT_TRUE(fs::exists(root_ / "Apps" / "ZLT" / "New.TXT"));
  EXPECT_TRUE(files_.RemoveFile("C:\\Apps\\ZLT\\NEW.txt"));
  EXPECT_FALSE(fs::exists(root_ / "Apps" / "ZLT" / "New.TXT"));
}

TEST_F(SimPosixFileSystem, ReadsAndFindsFilesHoweverTheyAreSpelled) {
  const fs::path zlt = root_ / "Apps" / "ZLT";
  const std::string big(100'000, 'b');
  Put(zlt / "Note.txt", "note");
  Put(zlt / "both.txt", "lower");
  Put(zlt / "BOTH.txt", "upper");
  Put(zlt / "empty.txt", "");
  Put(zlt / "big.txt", big);
  fs::create_directory(zlt / "Dir.txt");
  fs::create_symlink("missing", zlt / "gone.txt");
  const std::string r = root_.string();
  struct Case {
    const char* path;
    std::optional<std::string> bytes;  // what ReadAll gives; FileExists says whether it read
    std::optional<std::string> host;   // HostPath below the root, when it matters
  };
  const Case cases[] = {
      {"C:\\Apps\\ZLT\\Note.txt", "note", "/Apps/ZLT/Note.txt"},
      {"c:\\apps\\zlt\\NOTE.TXT", "note", "/Apps/ZLT/Note.txt"},
      {"C:\\Apps\\x\\..\\zlt\\.\\note.txt", "note", "/Apps/ZLT/Note.txt"},
      {"C:\\Apps\\ZLT\\both.txt", "lower", "/Apps/ZLT/both.txt"},
      {"C:\\apps\\zlt\\BOTH.txt", "upper", "/Apps/ZLT/BOTH.txt"},
      {"C:\\Apps\\ZLT\\empty.txt", "", std::nullopt},
      {"C:\\Apps\\ZLT\\BIG.txt", big, std::nullopt},
      {"C:\\Apps\\ZLT\\dir.txt", std::nullopt, "/Apps/ZLT/Dir.txt"},
      {"C:\\Apps\\ZLT\\GONE.txt", std::nullopt, "/Apps/ZLT/gone.txt"},
      {"C:\\Apps\\ZLT\\Note.txt\\x", std::nullopt, "/Apps/ZLT/Note.txt/x"},
      {"C:\\Apps\\ZLT\\Missing.txt", std::nullopt, "/Apps/ZLT/Missing.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(files_.ReadAll(c.path), c.bytes);
    EXPECT_EQ(files_.FileExists(c.path), c.bytes.has_value());
    if (c.host) {
      EXPECT_EQ(files_.HostPath(c.path), r + *c.host);
    }
  }
}

TEST_F(SimPosixFileSystem, ReplaceWritesEveryByteAndLeavesNoTemporary) {
  const std::string path = "C:\\Apps\\ZLT\\1.txt";
  const std::string bytes("[a]\r\nTitle=\x83\x5c\0end\r\n", 18);
  ASSERT_TRUE(files_.ReplaceAtomically(path, bytes));
  EXPECT_EQ(files_.ReadAll(path), bytes);
  ASSERT_TRUE(files_.ReplaceAtomically(path, "short"));
  EXPECT_EQ(Slurp(root_ / "Apps" / "ZLT" / "1.txt"), "short");
  ASSERT_TRUE(files_.ReplaceAtomically(path, ""));
  EXPECT_EQ(files_.ReadAll(path), "");
  EXPECT_EQ(files_.ListFiles("C:\\Apps\\ZLT"), Strings{"1.txt"});
}

TEST_F(SimPosixFileSystem, ReplaceIntoAMissingFolderOrOverAFolderFailsAndLeavesIt) {
  EXPECT_FALSE(files_.ReplaceAtomically("C:\\Apps\\ZLT\\nobody\\1.txt", "x"));
  EXPECT_FALSE(files_.ReplaceAtomically("C:\\", "x"));
  EXPECT_FALSE(fs::exists(root_ / "Apps" / "ZLT" / "nobody"));
  fs::create_directory(root_ / "Apps" / "ZLT" / "2.txt");
  Put(root_ / "Apps" / "ZLT" / "2.txt" / "inside", "kept");
  EXPECT_FALSE(files_.ReplaceAtomically("C:\\Apps\\ZLT\\2.txt", "new"));
  EXPECT_TRUE(fs::is_directory(root_ / "Apps" / "ZLT" / "2.txt"));
  EXPECT_EQ(Slurp(root_ / "Apps" / "ZLT" / "2.txt" / "inside"), "kept");
  EXPECT_TRUE(files_.ListFiles("C:\\Apps\\ZLT").empty());  // no temporary left behind
}

TEST_F(SimPosixFileSystem, ReplaceInAReadOnlyFolderKeepsTheOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  Put(root_ / "Apps" / "ZLT" / "3.txt", "old");
  fs::permissions(root_ / "Apps" / "ZLT", fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_FALSE(files_.ReplaceAtomically("C:\\Apps\\ZLT\\3.txt", "new"));
  EXPECT_EQ(files_.ReadAll("C:\\Apps\\ZLT\\3.txt"), "old");
  EXPECT_FALSE(files_.CreateFolder("C:\\Apps\\ZLT\\sub"));
}

TEST_F(SimPosixFileSystem, AWriteThatFailsHalfwayKeepsTheOldFile) {
  // A file size limit makes the write fail part of the way through, even for
  // root: the disk filling up, as far as the writer can tell.
  Put(root_ / "Apps" / "ZLT" / "4.txt", "old bytes");
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 64;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const auto replaced = files_.ReplaceAtomically("C:\\Apps\\ZLT\\4.txt", std::string(4096, 'n'));
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_FALSE(replaced);
  EXPECT_EQ(Slurp(root_ / "Apps" / "ZLT" / "4.txt"), "old bytes");
  EXPECT_EQ(files_.ListFiles("C:\\Apps\\ZLT"), Strings{"4.txt"});
}

TEST_F(SimPosixFileSystem, ListFilesNamesPlainFilesOnly) {
  Put(root_ / "Apps" / "ZLT" / "1.txt", "a");
  Put(root_ / "Apps" / "ZLT" / "ZLTFusen.ini", "b");
  fs::create_directory(root_ / "Apps" / "ZLT" / "folder.txt");
  fs::create_symlink("1.txt", root_ / "Apps" / "ZLT" / "link.txt");
  fs::create_symlink("missing", root_ / "Apps" / "ZLT" / "dangling.txt");
  for (const char* folder : {"C:\\Apps\\ZLT", "C:\\Apps\\ZLT\\"}) {
    EXPECT_EQ(Sorted(files_.ListFiles(folder)), (Strings{"1.txt", "ZLTFusen.ini", "link.txt"}));
  }
  EXPECT_TRUE(files_.ListFiles("C:\\Apps\\missing").empty());
  EXPECT_TRUE(files_.ListFiles("C:\\Apps\\ZLT\\1.txt").empty());
}

}  // namespace
}  // namespace zlt::posix
