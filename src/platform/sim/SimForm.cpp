#include "platform/sim/SimForm.h"

#include <stdexcept>
#include <string>
#include <utility>

#include "platform/sim/SimDesktop.h"

namespace zlt::sim {
namespace {

using platform::PixelsFromTwips;
using platform::ScaledRound;

bool IsContainer(platform::ControlKind kind) {
  return kind == platform::ControlKind::Frame || kind == platform::ControlKind::PictureBox;
}

}  // namespace

SimForm::SimForm(Desktop& desktop, Instance* owner, platform::WindowHandle handle,
                 const platform::FormSpec& spec, platform::IFormEvents& events)
    : desktop_(&desktop),
      owner_(owner),
      handle_(handle),
      spec_(spec),
      events_(&events),
      twipsPerPixel_(desktop.TwipsPerPixel()),
      dpi_(desktop.SystemDpi()),
      caption_(spec.caption) {
  // As the Windows backend creates them: a note has no taskbar button.
  switch (spec.style) {
    case platform::FormStyle::Borderless:
    case platform::FormStyle::Hidden:
      exStyle_ = exstyle::kToolWindow;
      break;
    case platform::FormStyle::ToolDialog:
      exStyle_ = exstyle::kDlgModalFrame;
      break;
    case platform::FormStyle::Dialog:
      break;
  }
  leftPx_ = PixelsFromTwips(spec.bounds.left, twipsPerPixel_);
  topPx_ = PixelsFromTwips(spec.bounds.top, twipsPerPixel_);
  // Made on a monitor, the window starts at that monitor's DPI.
  dpi_ = desktop.DpiOfMonitorUnder({leftPx_, topPx_, leftPx_, topPx_}).value_or(dpi_);
  FitFrameToDpi();
  // A dialog is described by its client area; the window system adds the frame.
  const platform::FormScale scale = Scale();
  widthPx_ = scale.Pixels(spec.bounds.width) + frameWidthPx_;
  heightPx_ = scale.Pixels(spec.bounds.height) + frameHeightPx_;
}

void SimForm::FitFrameToDpi() {
  if (spec_.style != platform::FormStyle::Dialog &&
      spec_.style != platform::FormStyle::ToolDialog) {
    return;
  }
  const auto& config = desktop_->Config();
  const auto atDpi = [&](int pixels) { return ScaledRound(pixels, dpi_, desktop_->SystemDpi()); };
  frameWidthPx_ = 2 * atDpi(config.dialogBorderPx);
  frameHeightPx_ = 2 * atDpi(config.dialogBorderPx) + atDpi(config.captionPx);
}

platform::FormScale SimForm::Scale() const { return {dpi_, twipsPerPixel_, twipsPerPixel_}; }

void SimForm::FollowMonitorDpi() {
  if (desktop_ == nullptr || changingDpi_) return;
  const auto dpi = desktop_->DpiOfMonitorUnder(RectPx());
  if (!dpi || *dpi == dpi_) return;
  changingDpi_ = true;
  const int old = dpi_;
  dpi_ = *dpi;
  ++dpiChangeCount_;
  // The suggested rectangle: the frame scales with the window.
  const int clientWidth = widthPx_ - frameWidthPx_;
  const int clientHeight = heightPx_ - frameHeightPx_;
  FitFrameToDpi();
  widthPx_ = ScaledRound(clientWidth, dpi_, old) + frameWidthPx_;
  heightPx_ = ScaledRound(clientHeight, dpi_, old) + frameHeightPx_;
  platform::IFormEvents* events = events_;
  const std::weak_ptr<const bool> alive = alive_;
  events->OnScaleChanged();  // may destroy the form
  if (!alive.expired()) changingDpi_ = false;
}

SimForm::~SimForm() {
  if (desktop_ != nullptr) desktop_->Unregister(*this);
}

void SimForm::Detach() {
  desktop_ = nullptr;
  owner_ = nullptr;
}

SimControl& SimForm::AddControl(const platform::ControlSpec& spec) {
  if (spec.id == platform::kFormItself || controlsById_.count(spec.id) != 0) {
    throw std::invalid_argument("control id " + std::to_string(spec.id) + " used twice");
  }
  SimControl* parent = nullptr;
  if (spec.parentId != platform::kFormItself) {
    const auto found = controlsById_.find(spec.parentId);
    if (found == controlsById_.end() || !IsContainer(found->second->Kind())) {
      throw std::invalid_argument("control " + std::to_string(spec.id) + " has no container " +
                                  std::to_string(spec.parentId));
    }
    parent = found->second;
  }
  controls_.push_back(std::make_unique<SimControl>(*this, parent, spec));
  SimControl& control = *controls_.back();
  controlsById_[spec.id] = &control;
  return control;
}

bool SimForm::HasControl(int id) const { return controlsById_.count(id) != 0; }

SimControl& SimForm::Control(int id) {
  const auto found = controlsById_.find(id);
  if (found == controlsById_.end()) {
    throw std::out_of_range("no control " + std::to_string(id) + " on \"" + caption_ + "\"");
  }
  return *found->second;
}

const SimControl& SimForm::Control(int id) const { return const_cast<SimForm*>(this)->Control(id); }

void SimForm::SetCaption(std::string_view caption) { caption_ = caption; }

platform::TwipsRect SimForm::Bounds() const {
  const int twipsPerPixel = twipsPerPixel_;
  return {leftPx_ * twipsPerPixel, topPx_ * twipsPerPixel, widthPx_ * twipsPerPixel,
          heightPx_ * twipsPerPixel};
}

void SimForm::SetBounds(const platform::TwipsRect& bounds) {
  const int twipsPerPixel = twipsPerPixel_;
  leftPx_ = PixelsFromTwips(bounds.left, twipsPerPixel);
  topPx_ = PixelsFromTwips(bounds.top, twipsPerPixel);
  widthPx_ = PixelsFromTwips(bounds.width, twipsPerPixel);
  heightPx_ = PixelsFromTwips(bounds.height, twipsPerPixel);
  FollowMonitorDpi();
}

platform::PixelRect SimForm::RectPx() const {
  return {leftPx_, topPx_, leftPx_ + widthPx_, topPx_ + heightPx_};
}

int SimForm::ClientWidthPx() const { return widthPx_ - frameWidthPx_; }
int SimForm::ClientHeightPx() const { return heightPx_ - frameHeightPx_; }

void SimForm::SetVisible(bool visible) {
  const bool shown = visible && !visible_;
  visible_ = visible;
  if (shown && desktop_ != nullptr) desktop_->BringToTop(*this);
}

void SimForm::SetEnabled(bool enabled) { enabled_ = enabled; }

void SimForm::Activate() {
  if (desktop_ == nullptr) return;
  desktop_->BringToTop(*this);
  desktop_->SetActiveSilently(handle_);
}

void SimForm::SetTopmost(bool topmost) {
  const bool was = std::exchange(topmost_, topmost);
  if (desktop_ != nullptr) desktop_->MoveBand(*this, was);
}

void SimForm::SetLayeredAlpha(std::optional<std::uint8_t> alpha) {
  alpha_ = alpha;
  if (alpha) {
    exStyle_ |= exstyle::kLayered;
  } else {
    exStyle_ &= ~exstyle::kLayered;
  }
}

void SimForm::SetRoundRegion(int widthPx, int heightPx, int ellipsePx) {
  region_ = RoundRegion{widthPx, heightPx, ellipsePx};
  ++regionSetCount_;
}

void SimForm::StartTimer(int timerId, int intervalMs) {
  if (desktop_ != nullptr) desktop_->StartTimer(*this, timerId, intervalMs);
}

void SimForm::StopTimer(int timerId) {
  if (desktop_ != nullptr) desktop_->StopTimer(*this, timerId);
}

bool SimForm::TimerRunning(int timerId) const { return TimerInterval(timerId).has_value(); }

std::optional<int> SimForm::TimerInterval(int timerId) const {
  return desktop_ != nullptr ? desktop_->TimerInterval(*this, timerId) : std::nullopt;
}

void SimForm::RunSystemMove() {
  ++systemMoveCount_;
  if (desktop_ == nullptr) return;
  Desktop& desktop = *desktop_;
  const auto move = desktop.NextMove();
  leftPx_ += move.dxPx;
  topPx_ += move.dyPx;
  const std::weak_ptr<const bool> alive = alive_;
  FollowMonitorDpi();
  if (alive.expired()) return;
  // The user holds the window there; the form may be gone afterwards.
  if (move.held.count() > 0) desktop.Advance(move.held);
}

std::vector<SimControl*> SimForm::Controls() const {
  std::vector<SimControl*> controls;
  controls.reserve(controls_.size());
  for (const auto& control : controls_) controls.push_back(control.get());
  return controls;
}

bool SimForm::HasFocus() const {
  if (desktop_ == nullptr) return false;
  const auto focus = desktop_->Focused();
  return focus && focus->first == handle_;
}

bool SimForm::Active() const { return desktop_ != nullptr && desktop_->active_ == handle_; }

}  // namespace zlt::sim
