// "frmVisible": a window one twip wide at the left screen edge that "/P" shows
// and hides at once, so the program briefly owns the foreground.
#pragma once

#include <memory>

#include "platform/Platform.h"

namespace zlt {

class FocusHelperWindow final : public platform::IFormEvents {
 public:
  explicit FocusHelperWindow(platform::Platform& platform);
  ~FocusHelperWindow() override;
  FocusHelperWindow(const FocusHelperWindow&) = delete;
  FocusHelperWindow& operator=(const FocusHelperWindow&) = delete;

  // Show modeless, set visible, set invisible.
  void Flash();
  platform::IForm& Form() { return *form_; }

  void OnActivate() override;

 private:
  void ShrinkToASliver();

  platform::Platform& platform_;
  std::unique_ptr<platform::IForm> form_;
};

}  // namespace zlt
