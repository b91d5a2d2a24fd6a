// What the sim benchmarks share: a temporary host folder laid out as the
// program's folder with the data folder of user "taro" holding that many
// copies of the worked example note, and a millisecond clock.
#pragma once

#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

#include "WorkedExampleNote.h"

namespace zlt::bench {

using Clock = std::chrono::steady_clock;

inline double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The host folder that stands for drive C: "C:\Apps\ZLTFusen\taro" is
// root/Apps/ZLTFusen/taro. Removed with everything in it.
class NoteFolder {
 public:
  NoteFolder(const std::string& name, int notes)
      : root_(std::filesystem::temp_directory_path() /
              ("zlt-bench-" + name + "-" + std::to_string(::getpid()))) {
    std::filesystem::remove_all(root_);
    data_ = root_ / "Apps" / "ZLTFusen" / "taro";
    std::filesystem::create_directories(data_);
    for (int i = 0; i < notes; ++i) {
      std::ofstream(data_ / (std::to_string(i) + ".txt"), std::ios::binary) << NoteFileBytes(i);
    }
  }
  NoteFolder(const NoteFolder&) = delete;
  NoteFolder& operator=(const NoteFolder&) = delete;
  ~NoteFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

  const std::filesystem::path& Root() const { return root_; }
  const std::filesystem::path& Data() const { return data_; }
  std::string Read(int index) const {
    std::ifstream in(data_ / (std::to_string(index) + ".txt"), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  std::filesystem::path root_;
  std::filesystem::path data_;
};

}  // namespace zlt::bench
