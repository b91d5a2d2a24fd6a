// One 500 ms tick on the controller window serves the snap of every note, so
// an idle program wakes twice a second however many notes it shows, and not
// at all while snapping is off or no note is shown. A timer of the
// controller's own window keeps ticking through a note's move loop, so a note
// dragged near an edge is pulled to it as it would be by a timer of its own.
#pragma once

#include <memory>
#include <vector>

#include "note/NoteWindow.h"
#include "platform/Form.h"

namespace zlt::manager {

class SnapTick {
 public:
  static constexpr int SnapTimer = 1;
  static constexpr int kIntervalMs = 500;

  SnapTick(platform::IForm& owner, const std::vector<std::unique_ptr<note::NoteWindow>>& notes)
      : owner_(owner), notes_(notes) {}

  // Runs the tick while snapping is on and at least one note is shown.
  void Update(bool snapOn);
  // Every shown note checks its edges.
  void Tick();

 private:
  bool AnyNoteShown() const;

  platform::IForm& owner_;
  const std::vector<std::unique_ptr<note::NoteWindow>>& notes_;
};

}  // namespace zlt::manager
