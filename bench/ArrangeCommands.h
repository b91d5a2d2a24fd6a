// The four commands both arrange benchmarks time, each pair undoing the other
// so that every run moves or restyles every note and writes every file.
#pragma once

#include <functional>
#include <vector>

#include "manager/Controller.h"

namespace zlt::bench {

struct ArrangeCommand {
  const char* name;
  std::function<void(manager::Controller&)> run;
  std::vector<double> ms;  // one time per run
};

inline std::vector<ArrangeCommand> ArrangeCommands() {
  using manager::Controller;
  return {
      {"arrange, top right (FusenshiSeiretsu 1)",
       [](Controller& c) { c.FusenshiSeiretsu_Click(1); },
       {}},
      {"arrange, bottom left (FusenshiSeiretsu 6)",
       [](Controller& c) { c.FusenshiSeiretsu_Click(6); },
       {}},
      {"AllToumei", [](Controller& c) { c.AllToumei_Click(); }, {}},
      {"AllToumeiOff", [](Controller& c) { c.AllToumeiOff_Click(); }, {}},
  };
}

}  // namespace zlt::bench
