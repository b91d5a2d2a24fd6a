// Arranging and the all-notes display options with many notes on the real
// Windows platform, built as WinMain builds it with an environment of its own
// (a temporary program folder holding the note files, user "bench", "/*").
// Each command moves or restyles every note window and writes every note's
// file before it returns: its time is the time until every file is written.
// Set against one atomic write of a note file (zlt::note::WriteNoteFile).
// Ends itself (ExitProcess) once measured.
//
//   arrange_win_bench [notes=1000] [runs=3]
// commctrl.h needs windows.h before it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "../ArrangeCommands.h"
#include "../Median.h"
#include "../WorkedExampleNote.h"
#include "BenchSupport.h"
#include "manager/Controller.h"
#include "note/NoteFile.h"
#include "platform/win32/Win32Text.h"
#include "startup/Program.h"

namespace {

using namespace zlt::bench;

using zlt::manager::Controller;

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int notes = argc > 1 ? std::max(1, _wtoi(argv[1])) : 1000;
  const int runs = argc > 2 ? std::max(1, _wtoi(argv[2])) : 3;

  BenchFolders folders(L"arrange");
  std::vector<std::string> paths;
  for (int i = 0; i < notes; ++i) {
    paths.push_back(zlt::win32::FromWide(
        folders.Put(std::to_wstring(i) + L".txt", zlt::bench::NoteFileBytes(i))));
  }

  StartedProgram started(folders.App());
  auto* controller = started.Controller();
  const std::size_t loaded = started.NoteCount();

  auto commands = ArrangeCommands();
  if (loaded == static_cast<std::size_t>(notes)) {
    for (int r = 0; r < runs; ++r) {
      for (auto& command : commands) {
        const double start = NowMs();
        command.run(*controller);
        command.ms.push_back(NowMs() - start);
        PumpPending();
      }
    }
  }

  // The floor: one atomic write of a note file, as each note does once.
  zlt::note::NoteFileContent content;
  content.title = "買い物";
  content.details = "牛乳\r\nパン";
  content.left = 25440;
  std::vector<double> writeMs;
  for (int r = 0; r < runs; ++r) {
    const double start = NowMs();
    for (int i = 0; i < notes; ++i) {
      content.top = static_cast<float>(500 * i);
      zlt::note::WriteNoteFile(started.Platform().files, paths[static_cast<std::size_t>(i)],
                               content);
    }
    writeMs.push_back(NowMs() - start);
  }
  const double writeUs = Median(writeMs) * 1000 / notes;

  std::printf("arrange_win_bench: %d note files, %zu note windows loaded, %d runs, medians\n",
              notes, loaded, runs);
  std::printf("  one atomic write of a note file (WriteMemoFile)   %9.1f us\n", writeUs);
  for (const auto& command : commands) {
    if (command.ms.empty()) continue;
    const double ms = Median(command.ms);
    std::printf("  %-44s %9.2f ms  (%.1f us/note, %.2fx one write)\n", command.name, ms,
                ms * 1000 / notes, ms * 1000 / notes / writeUs);
  }
  std::fflush(stdout);

  folders.Remove();
  ExitProcess(loaded == static_cast<std::size_t>(notes) ? 0 : 1);
}
