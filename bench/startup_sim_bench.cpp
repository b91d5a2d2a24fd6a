// Start-up with many notes on the sim backend: how long "/*" takes to load
// every note file against a bare loop that only reads the same files, what the
// folder steps of every start-up cost on their own (the write check of the data
// folder, its listing, the look for the settings file), how many controls a
// collapsed note and an open note own, and the memory per note.
//
//   startup_sim_bench [notes=1000] [runs=5]
//
// Prints figures; exits non-zero only when the program did not load every note.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Median.h"
#include "SimNoteFolder.h"
#include "manager/Controller.h"
#include "manager/Settings.h"
#include "platform/Cp932.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/sim/SimDesktop.h"
#include "startup/Program.h"

namespace {

namespace fs = std::filesystem;
using namespace zlt::bench;

constexpr std::string_view kNoteCaptionPrefix = "ＺＬＴ付箋紙プラグインNo.";
constexpr const char* kAppFolder = "C:\\Apps\\ZLTFusen";
constexpr const char* kDataFolder = "C:\\Apps\\ZLTFusen\\taro";

// A field of /proc/self/status in kB ("VmRSS", "VmHWM"), 0 when unknown.
long StatusKb(std::string_view field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.starts_with(field) && line.size() > field.size() && line[field.size()] == ':') {
      return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
    }
  }
  return 0;
}

// Starts a new peak: VmHWM falls back to the current VmRSS.
void ResetPeakRss() { std::ofstream("/proc/self/clear_refs") << "5"; }

bool IsNote(const zlt::sim::SimForm& form) {
  return form.Caption().starts_with(kNoteCaptionPrefix);
}

// One process of the program that ran "/*" on its own desktop.
struct Run {
  std::unique_ptr<zlt::sim::Desktop> desktop = std::make_unique<zlt::sim::Desktop>();
  std::unique_ptr<zlt::sim::Instance> instance;
  std::unique_ptr<zlt::Program> program;
  double ms = 0;

  explicit Run(const fs::path& root) {
    zlt::sim::Instance::Config config;
    config.appFolder = kAppFolder;
    config.commandLine = "/*";
    config.hostRoot = root.string();
    instance = std::make_unique<zlt::sim::Instance>(*desktop, config);
    program = std::make_unique<zlt::Program>(instance->Platform());
    const auto start = Clock::now();
    instance->RunAsProcess([this] { program->Main(); });
    ms = MsSince(start);
  }
  ~Run() {
    program.reset();
    instance.reset();
  }

  std::vector<zlt::sim::SimForm*> Notes() const {
    std::vector<zlt::sim::SimForm*> notes;
    for (auto* form : desktop->Forms()) {
      if (IsNote(*form)) notes.push_back(form);
    }
    return notes;
  }
};

// What the program cannot beat: one read of every note file.
double BareReadMs(zlt::posix::PosixFileSystem& files, int notes, std::size_t& bytes) {
  const auto start = Clock::now();
  bytes = 0;
  for (int i = 0; i < notes; ++i) {
    const std::string path = std::string(kDataFolder) + "\\" + std::to_string(i) + ".txt";
    if (auto content = files.ReadAll(path)) bytes += content->size();
  }
  return MsSince(start);
}

// The steps of every start-up that touch the data folder as a whole, timed on
// their own: the write check, one listing (start-up lists the folder twice:
// for left temporaries, then for the note list) and the settings file.
struct FolderSteps {
  double writeCheckMs = 0, listingMs = 0, settingsMs = 0;
};

FolderSteps FolderStepsMs(zlt::posix::PosixFileSystem& files) {
  FolderSteps steps;
  auto start = Clock::now();
  files.CanCreateFilesIn(kDataFolder);
  steps.writeCheckMs = MsSince(start);
  start = Clock::now();
  files.ListFiles(kDataFolder);
  steps.listingMs = MsSince(start);
  start = Clock::now();
  zlt::ReadSnapSetting(files, kDataFolder);
  steps.settingsMs = MsSince(start);
  return steps;
}

double IfstreamReadMs(const fs::path& data, int notes, std::size_t& bytes) {
  const auto start = Clock::now();
  bytes = 0;
  for (int i = 0; i < notes; ++i) {
    std::ifstream in(data / (std::to_string(i) + ".txt"), std::ios::binary);
    const std::string content(std::istreambuf_iterator<char>(in), {});
    bytes += content.size();
  }
  return MsSince(start);
}

}  // namespace

int main(int argc, char** argv) {
  const int notes = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  const NoteFolder folder("startup", notes);

  // The first run also measures memory: later runs reuse the heap it freed.
  ResetPeakRss();
  const long rssBefore = StatusKb("VmRSS");
  const long peakBefore = StatusKb("VmHWM");
  auto first = std::make_unique<Run>(folder.Root());
  const long rssAfter = StatusKb("VmRSS");
  const long peakAfter = StatusKb("VmHWM");

  const auto loaded = first->Notes();
  if (static_cast<int>(loaded.size()) != notes || first->instance->Ended()) {
    std::fprintf(stderr, "startup_sim_bench: %zu of %d notes loaded%s\n", loaded.size(), notes,
                 first->instance->Ended() ? " and the program ended" : "");
    return 1;
  }

  std::size_t controls = 0, fewest = SIZE_MAX, most = 0;
  for (const auto* form : loaded) {
    const auto count = form->Controls().size();
    controls += count;
    fewest = std::min(fewest, count);
    most = std::max(most, count);
  }

  // One note with its details view open: what opening costs in controls.
  auto& firstNote = *first->program->NoteController()->Notes().front();
  first->instance->RunAsProcess([&firstNote] { firstNote.OpenDetails(); });
  const auto* opened = first->desktop->FormFromHandle(firstNote.Handle());
  const auto openControls = opened != nullptr ? opened->Controls().size() : 0;
  const long rssOpen = StatusKb("VmRSS");

  // The start-ups and the bare reads take turns, so that a machine whose load
  // changes meanwhile slows both alike and the ratio holds.
  std::vector<double> startupMs{first->ms};
  first.reset();
  zlt::posix::PosixFileSystem files(folder.Root().string());
  std::vector<double> bareMs, streamMs, writeCheckMs, listingMs, settingsMs;
  std::size_t bytes = 0, streamBytes = 0;
  for (int r = 0; r < runs; ++r) {
    if (r > 0) startupMs.push_back(Run(folder.Root()).ms);
    bareMs.push_back(BareReadMs(files, notes, bytes));
    streamMs.push_back(IfstreamReadMs(folder.Data(), notes, streamBytes));
    const FolderSteps steps = FolderStepsMs(files);
    writeCheckMs.push_back(steps.writeCheckMs);
    listingMs.push_back(steps.listingMs);
    settingsMs.push_back(steps.settingsMs);
  }

  const double startup = Median(startupMs);
  const double bare = Median(bareMs);
  const double stream = Median(streamMs);
  const double writeCheck = Median(writeCheckMs);
  const double listing = Median(listingMs);
  const double settings = Median(settingsMs);
  const double folderSteps = writeCheck + 2 * listing + settings;
  std::printf("startup_sim_bench: %d notes, %d runs, medians\n", notes, runs);
  std::printf("  start-up \"/*\" until every note is loaded   %10.2f ms  (%.1f us/note)\n", startup,
              startup * 1000 / notes);
  std::printf("  bare read, PosixFileSystem::ReadAll         %10.2f ms  (%zu bytes)\n", bare,
              bytes);
  std::printf("  bare read, std::ifstream                    %10.2f ms\n", stream);
  std::printf("  ratio start-up / bare ReadAll               %10.1f\n", startup / bare);
  std::printf("  folder steps of start-up, on their own      %10.2f ms\n", folderSteps);
  std::printf("    write check of the data folder            %10.2f ms\n", writeCheck);
  std::printf("    listing the folder (start-up lists twice) %10.2f ms\n", listing);
  std::printf("    settings file (missing: looked for)       %10.2f ms\n", settings);
  std::printf("  start-up less folder steps less bare read   %10.2f ms  (%.1f us/note)\n",
              startup - folderSteps - bare, (startup - folderSteps - bare) * 1000 / notes);
  std::printf("  controls per collapsed note                 %10.2f  (min %zu, max %zu)\n",
              static_cast<double>(controls) / notes, fewest, most);
  std::printf("  controls of one note with details open      %10zu\n", openControls);
  std::printf("  RSS delta per note (VmRSS)                  %10.2f kB  (%ld -> %ld kB)\n",
              static_cast<double>(rssAfter - rssBefore) / notes, rssBefore, rssAfter);
  std::printf("  peak RSS delta per note (VmHWM)             %10.2f kB  (%ld -> %ld kB)\n",
              static_cast<double>(peakAfter - peakBefore) / notes, peakBefore, peakAfter);
  std::printf("  RSS delta of opening one note's details     %10ld kB\n", rssOpen - rssAfter);
  return 0;
}
