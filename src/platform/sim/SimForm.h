// A top-level window of the sim desktop. The program owns it through IForm;
// the desktop knows it by handle until it is destroyed.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Form.h"
#include "platform/sim/SimControl.h"

namespace zlt::sim {

class Desktop;
class Instance;

// Extended window style bits, with the window system's own numbers.
namespace exstyle {
constexpr std::uint32_t kDlgModalFrame = 0x1;
constexpr std::uint32_t kTopmost = 0x8;
constexpr std::uint32_t kToolWindow = 0x80;
constexpr std::uint32_t kLayered = 0x80000;
}  // namespace exstyle

// The outline set by SetRoundRegion, in pixels.
struct RoundRegion {
  int widthPx = 0;
  int heightPx = 0;
  int ellipsePx = 0;
  friend bool operator==(const RoundRegion&, const RoundRegion&) = default;
};

class SimForm final : public platform::IForm {
 public:
  ~SimForm() override;
  SimForm(const SimForm&) = delete;
  SimForm& operator=(const SimForm&) = delete;

  // IForm. Setting a value never reports an event.
  platform::WindowHandle Handle() const override { return handle_; }
  SimControl& AddControl(const platform::ControlSpec& spec) override;
  bool HasControl(int id) const override;
  // Throws std::out_of_range for a control the form does not have.
  SimControl& Control(int id) override;
  const SimControl& Control(int id) const;
  void SetCaption(std::string_view caption) override;
  std::string Caption() const override { return caption_; }
  platform::TwipsRect Bounds() const override;
  void SetBounds(const platform::TwipsRect& bounds) override;
  platform::FormScale Scale() const override;
  void SetVisible(bool visible) override;
  bool Visible() const override { return visible_; }
  void SetEnabled(bool enabled) override;
  void Activate() override;
  void Refresh() override { ++refreshCount_; }
  void SetTopmost(bool topmost) override;
  void SetLayeredAlpha(std::optional<std::uint8_t> alpha) override;
  void SetRoundRegion(int widthPx, int heightPx, int ellipsePx) override;
  void StartTimer(int timerId, int intervalMs) override;
  void StopTimer(int timerId) override;
  bool TimerRunning(int timerId) const override;
  void RunSystemMove() override;

  // What tests read.
  const platform::FormSpec& Spec() const { return spec_; }
  platform::FormStyle Style() const { return spec_.style; }
  bool Enabled() const { return enabled_; }
  bool Topmost() const { return topmost_; }
  // The layered style's alpha; nullopt: not layered.
  std::optional<std::uint8_t> Alpha() const { return alpha_; }
  bool Layered() const { return (exStyle_ & exstyle::kLayered) != 0; }
  // The extended style as GetWindowLong(GWL_EXSTYLE) reads it (exstyle::k...).
  std::uint32_t ExStyle() const { return exStyle_ | (topmost_ ? exstyle::kTopmost : 0); }
  std::optional<RoundRegion> Region() const { return region_; }
  int RegionSetCount() const { return regionSetCount_; }
  int RefreshCount() const { return refreshCount_; }
  int SystemMoveCount() const { return systemMoveCount_; }
  // The window rectangle in pixels, as the window system keeps it.
  platform::PixelRect RectPx() const;
  // The DPI the window is at now, and how many times it changed.
  int Dpi() const { return dpi_; }
  int DpiChangeCount() const { return dpiChangeCount_; }
  // The client area's size in pixels (dialogs lose their frame and caption).
  int ClientWidthPx() const;
  int ClientHeightPx() const;
  // The interval of a running timer, nullopt when it is not running.
  std::optional<int> TimerInterval(int timerId) const;
  // The instance that made the form; nullptr for a window of another program
  // or after its instance was destroyed.
  Instance* Owner() const { return owner_; }
  // Controls in creation order.
  std::vector<SimControl*> Controls() const;
  bool HasFocus() const;  // the focus is on the form or one of its controls
  bool Active() const;

 private:
  friend class Desktop;
  friend class SimControl;

  SimForm(Desktop& desktop, Instance* owner, platform::WindowHandle handle,
          const platform::FormSpec& spec, platform::IFormEvents& events);
  // Forgets the desktop: the window is gone, the object lives on inert.
  void Detach();
  // As Windows does after a move: a window whose monitor has another DPI is
  // told so, takes the rectangle the system suggests (the same top-left, the
  // size scaled by the two DPIs) and then its owner hears of it.
  void FollowMonitorDpi();
  // A dialog's frame and caption at the window's DPI.
  void FitFrameToDpi();

  Desktop* desktop_;
  Instance* owner_;
  platform::WindowHandle handle_;
  platform::FormSpec spec_;
  platform::IFormEvents* events_;
  int twipsPerPixel_;  // the system's
  int dpi_;            // the window's own
  int dpiChangeCount_ = 0;
  bool changingDpi_ = false;
  // Expires with the form: a handler may destroy it while it reports.
  std::shared_ptr<const bool> alive_ = std::make_shared<const bool>(true);
  int frameWidthPx_ = 0;   // both sides
  int frameHeightPx_ = 0;  // caption and both edges

  std::string caption_;
  int leftPx_ = 0;
  int topPx_ = 0;
  int widthPx_ = 0;
  int heightPx_ = 0;
  bool visible_ = false;
  bool enabled_ = true;
  bool topmost_ = false;
  std::optional<std::uint8_t> alpha_;
  std::uint32_t exStyle_ = 0;  // without the topmost bit, which topmost_ holds
  std::optional<RoundRegion> region_;
  int regionSetCount_ = 0;
  int refreshCount_ = 0;
  int systemMoveCount_ = 0;

  std::vector<std::unique_ptr<SimControl>> controls_;
  std::map<int, SimControl*> controlsById_;
};

}  // namespace zlt::sim
