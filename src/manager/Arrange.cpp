// The arrange commands: every note, hidden ones too, lined up in one column.
#include "manager/ArrangePositions.h"
#include "manager/Controller.h"

namespace zlt::manager {
namespace {

constexpr platform::Twips kArrangeStep = 500;  // between neighbours, at a note's own scale

}  // namespace

void Controller::Arrange(ArrangeMode mode) {
  const auto screen = platform_.windows.Screen();
  ArrangeArea area{screen.width, screen.height, state_.PressedLeft, state_.PressedTop};
  // A hidden note keeps its place in the column, so the shown ones leave a gap
  // where it will come back. Each note's file takes its new place before the
  // next note moves.
  std::vector<note::SaveFailure> failures;
  for (std::size_t i = 0; i < notes_.size(); ++i) {
    auto& note = *notes_[i];
    auto bounds = note.Form().Bounds();
    area.step = note.Form().Scale().ScreenY(kArrangeStep);
    const auto place =
        ArrangedPosition(mode, area, static_cast<int>(i), bounds.width, bounds.height);
    bounds.left = WholeTwips(place.left);
    bounds.top = WholeTwips(place.top);
    note.Form().SetBounds(bounds);
    if (auto failure = note.SaveToFile()) failures.push_back(std::move(*failure));
  }
  ReportUnsaved(failures);
}

}  // namespace zlt::manager
