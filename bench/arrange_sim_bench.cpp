// Arranging and the all-notes display options with many notes on the sim
// backend: each command runs on every note and writes every note's file before
// it returns, so its time is the time until every file is written. Set against
// one atomic write of a note file (zlt::note::WriteNoteFile), the floor each
// note cannot go below.
//
//   arrange_sim_bench [notes=1000] [runs=5]
//
// Prints figures; exits non-zero only when the program did not load every note
// or a command left a file unchanged.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "ArrangeCommands.h"
#include "Median.h"
#include "SimNoteFolder.h"
#include "manager/Controller.h"
#include "note/NoteFile.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/sim/SimDesktop.h"
#include "startup/Program.h"

namespace {

using namespace zlt::bench;

constexpr const char* kAppFolder = "C:\\Apps\\ZLTFusen";
constexpr const char* kDataFolder = "C:\\Apps\\ZLTFusen\\taro";

}  // namespace

int main(int argc, char** argv) {
  const int notes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  const NoteFolder folder("arrange", notes);

  zlt::sim::Desktop desktop;
  zlt::sim::Instance::Config config;
  config.appFolder = kAppFolder;
  config.commandLine = "/*";
  config.hostRoot = folder.Root().string();
  zlt::sim::Instance instance(desktop, config);
  zlt::Program program(instance.Platform());
  instance.RunAsProcess([&] { program.Main(); });
  auto* controller = program.NoteController();
  if (instance.Ended() || controller == nullptr ||
      static_cast<int>(controller->Notes().size()) != notes) {
    std::fprintf(stderr, "arrange_sim_bench: the program did not load %d notes\n", notes);
    return 1;
  }

  auto commands = ArrangeCommands();
  const int last = notes - 1;
  bool allWritten = true;
  for (int r = 0; r < runs; ++r) {
    for (auto& command : commands) {
      const std::string before = folder.Read(last);
      const auto start = Clock::now();
      instance.RunAsProcess([&] { command.run(*controller); });
      command.ms.push_back(MsSince(start));
      allWritten = allWritten && folder.Read(last) != before;
    }
  }

  // The floor: one atomic write of a note file, as each note does once.
  zlt::posix::PosixFileSystem files(folder.Root().string());
  zlt::note::NoteFileContent content;
  content.title = "買い物";
  content.details = "牛乳\r\nパン";
  content.left = 25440;
  std::vector<double> writeMs;
  for (int r = 0; r < runs; ++r) {
    const auto start = Clock::now();
    for (int i = 0; i < notes; ++i) {
      content.top = static_cast<float>(500 * i);
      zlt::note::WriteNoteFile(files, std::string(kDataFolder) + "\\" + std::to_string(i) + ".txt",
                               content);
    }
    writeMs.push_back(MsSince(start));
  }
  const double writeUs = Median(writeMs) * 1000 / notes;

  std::printf("arrange_sim_bench: %d notes, %d runs, medians; every file written: %s\n", notes,
              runs, allWritten ? "yes" : "NO");
  std::printf("  one atomic write of a note file (WriteMemoFile)   %9.1f us\n", writeUs);
  for (const auto& command : commands) {
    const double ms = Median(command.ms);
    std::printf("  %-44s %9.2f ms  (%.1f us/note, %.2fx one write)\n", command.name, ms,
                ms * 1000 / notes, ms * 1000 / notes / writeUs);
  }
  return allWritten ? 0 : 1;
}
