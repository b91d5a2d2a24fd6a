// The program's Windows paths on real POSIX files: the mapping, names found
// whatever their case as on Windows, atomic replacement that never loses the
// old file, and listings of plain files.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "platform/posix/PosixFileSystem.h"

namespace zlt::posix {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

class SimPosixFileSystem : public ::testing::Test {
 protected:
  SimPosixFileSystem()
      : root_(fs::temp_directory_path() / ("zlt-simfs-" + std::to_string(::getpid()))),
        zlt_(root_ / "Apps" / "ZLT"),
        files_((fs::remove_all(root_), fs::create_directories(zlt_), root_.string())) {}
  ~SimPosixFileSystem() override {
    std::error_code ignored;
    fs::permissions(zlt_, fs::perms::owner_all, ignored);
    fs::remove_all(root_, ignored);
  }

  // Files put straight on the host: name below the folder, bytes.
  void Put(const std::map<std::string, std::string>& files) {
    for (const auto& [name, bytes] : files) std::ofstream(zlt_ / name, std::ios::binary) << bytes;
  }
  // All the folder holds on the host, sorted: "path=bytes" for a file, "path/" for a folder.
  Strings Folder() {
    Strings entries;
    for (const auto& entry : fs::recursive_directory_iterator(zlt_)) {
      std::ifstream in(entry.is_directory() ? fs::path() : entry.path(), std::ios::binary);
      const std::string bytes(std::istreambuf_iterator<char>(in), {});
      entries.push_back(entry.path().lexically_relative(zlt_).string() +
                        (entry.is_directory() ? "/" : "=" + bytes));
    }
    std::sort(entries.begin(), entries.end());
    return entries;
  }

  fs::path root_, zlt_;
  PosixFileSystem files_;
};

TEST_F(SimPosixFileSystem, PathsMapIntoTheHostRootAndFindNamesWhateverTheirCase) {
  const std::string big(100'000, 'b');
  Put({{"Note.txt", "note"}, {"both.txt", "lower"}, {"BOTH.txt", "upper"}, {"empty.txt", ""}});
  Put({{"big.txt", big}});
  fs::create_directory(zlt_ / "Dir.txt");
  fs::create_symlink("missing", zlt_ / "gone.txt");
  fs::create_symlink("Note.txt", zlt_ / "link.txt");
  // path, HostPath below the root, what ReadAll gives (FileExists says whether it read)
  const std::tuple<std::string, std::optional<std::string>, std::optional<std::string>> cases[] = {
      {"C:\\Apps\\ZLT\\Note.txt", "/Apps/ZLT/Note.txt", "note"},
      {"c:\\apps\\zlt\\NOTE.TXT", "/Apps/ZLT/Note.txt", "note"},
      {"C:/Apps\\x\\..\\.\\ZLT\\\\Note.txt", "/Apps/ZLT/Note.txt", "note"},
      {"C:\\Apps\\ZLT\\both.txt", "/Apps/ZLT/both.txt", "lower"},
      {"C:\\apps\\zlt\\BOTH.txt", "/Apps/ZLT/BOTH.txt", "upper"},  // the exact spelling first
      {"C:\\Apps\\ZLT\\empty.txt", "/Apps/ZLT/empty.txt", ""},
      {"C:\\Apps\\ZLT\\BIG.txt", "/Apps/ZLT/big.txt", big},
      {"C:\\Apps\\ZLT\\dir.txt", "/Apps/ZLT/Dir.txt", std::nullopt},
      {"C:\\Apps\\ZLT\\GONE.txt", "/Apps/ZLT/gone.txt", std::nullopt},
      {"C:\\Apps\\ZLT\\Note.txt\\x", "/Apps/ZLT/Note.txt/x", std::nullopt},
      {"C:\\apps\\ZLT\\New.TXT", "/Apps/ZLT/New.TXT", std::nullopt},  // a new name as spelled
      {"C:\\..\\..\\etc\\passwd", "/etc/passwd", std::nullopt},  // nothing climbs out of the drive
      {"C:\\", "", std::nullopt},
      {"C:", "", std::nullopt},
      {std::string("C:\\a\0b", 6), std::nullopt, std::nullopt},
  };
  for (const auto& [path, host, bytes] : cases) {
    SCOPED_TRACE(path);
    EXPECT_EQ(files_.HostPath(path), host ? std::optional(root_.string() + *host) : host);
    EXPECT_EQ(files_.ReadAll(path), bytes);
    EXPECT_EQ(files_.FileExists(path), bytes.has_value());
  }
  EXPECT_EQ(PosixFileSystem("").HostPath("C:\\x"), std::nullopt);
  std::vector<std::string> listed = files_.ListFiles("C:\\apps\\zlt\\");  // plain files only
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed,
            (Strings{"BOTH.txt", "Note.txt", "big.txt", "both.txt", "empty.txt", "link.txt"}));
  EXPECT_TRUE(files_.ListFiles("C:\\Apps\\ZLT\\Note.txt").empty());
}

TEST_F(SimPosixFileSystem, ReplaceAndRemoveTakeTheExistingNameWriteEveryByteOrLeaveAllAsItWas) {
  Put({{"ZLTFusen.ini", "[s]\r\n"}});
  const std::string bytes("[a]\r\nTitle=\x83\x5c\0end\r\n", 18);
  ASSERT_TRUE(files_.ReplaceAtomically("C:\\Apps\\ZLT\\zltfusen.ini", bytes));
  ASSERT_TRUE(files_.ReplaceAtomically("C:\\apps\\zlt\\New.TXT", ""));
  EXPECT_EQ(Folder(), (Strings{"New.TXT=", "ZLTFusen.ini=" + bytes}));
  EXPECT_TRUE(files_.RemoveFile("C:\\Apps\\ZLT\\NEW.txt"));
  EXPECT_EQ(Folder(), Strings{"ZLTFusen.ini=" + bytes});

  // A replace that cannot finish leaves the folder as it was.
  fs::create_directory(zlt_ / "2.txt");
  Put({{"2.txt/inside", "kept"}, {"4.txt", "old bytes"}});
  for (const char* path : {"C:\\", "C:\\Apps\\ZLT\\nobody\\1.txt", "C:\\Apps\\ZLT\\2.txt"})
    EXPECT_FALSE(files_.ReplaceAtomically(path, "new")) << path;
  // A file size limit makes the write fail part of the way through, even for
  // root: the disk filling up, as far as the writer can tell.
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  const rlimit small{64, saved.rlim_max};
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const auto replaced = files_.ReplaceAtomically("C:\\Apps\\ZLT\\4.txt", std::string(4096, 'n'));
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_FALSE(replaced);
  const Strings kept{"2.txt/", "2.txt/inside=kept", "4.txt=old bytes", "ZLTFusen.ini=" + bytes};
  EXPECT_EQ(Folder(), kept);  // and no temporary
}

TEST_F(SimPosixFileSystem, AReadOnlyFolderKeepsItsOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  Put({{"3.txt", "old"}});
  fs::permissions(zlt_, fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_FALSE(files_.ReplaceAtomically("C:\\Apps\\ZLT\\3.txt", "new"));
  EXPECT_FALSE(files_.CreateFolder("C:\\Apps\\ZLT\\sub"));
  EXPECT_EQ(Folder(), Strings{"3.txt=old"});
}

}  // namespace
}  // namespace zlt::posix
