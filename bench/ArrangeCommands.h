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
      {"arrange, top right", [](Controller& c) { c.Arrange(manager::ArrangeMode::TopRight); }, {}},
      {"arrange, bottom left",
       [](Controller& c) { c.Arrange(manager::ArrangeMode::BottomLeft); },
       {}},
      {"translucent, every note", [](Controller& c) { c.SetEveryNoteTranslucent(true); }, {}},
      {"opaque, every note", [](Controller& c) { c.SetEveryNoteTranslucent(false); }, {}},
  };
}

}  // namespace zlt::bench
