#include "manager/SnapTick.h"

#include "manager/Controller.h"
#include "manager/Settings.h"

namespace zlt::manager {

bool SnapTick::AnyNoteShown() const {
  for (const auto& note : notes_) {
    if (note->Form().Visible()) return true;
  }
  return false;
}

void SnapTick::Update(bool snapOn) {
  const bool wanted = snapOn && AnyNoteShown();
  if (wanted == owner_.TimerRunning(SnapTimer)) return;
  if (wanted) {
    owner_.StartTimer(SnapTimer, kIntervalMs);
  } else {
    owner_.StopTimer(SnapTimer);
  }
}

void SnapTick::Tick() {
  // By index: a tick moves notes but never adds or removes one.
  for (std::size_t i = 0; i < notes_.size(); ++i) notes_[i]->SnapToMonitor();
}

void Controller::ToggleSnap() {
  platform_.windows.DoEvents();
  const int item = MenuId(MenuItem::Snap);
  const bool snap = !menu_->Checked(item);
  menu_->SetChecked(item, snap);
  WriteSnapSetting(platform_.files, state_.DataFolder, snap);
  UpdateSnapTick();
}

bool Controller::SnapOn() const { return menu_->Checked(MenuId(MenuItem::Snap)); }

void Controller::UpdateSnapTick() { snapTick_.Update(SnapOn()); }

void Controller::OnTimer(int timerId) {
  if (timerId == SnapTick::SnapTimer) snapTick_.Tick();
}

}  // namespace zlt::manager
