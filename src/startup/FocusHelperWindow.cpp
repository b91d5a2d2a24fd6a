#include "startup/FocusHelperWindow.h"

namespace zlt {

namespace {
constexpr platform::TwipsRect kDesignClient{0, 0, 4710, 3120};
}

FocusHelperWindow::FocusHelperWindow(platform::Platform& platform) : platform_(platform) {
  platform::FormSpec spec;
  spec.caption = "Form1";
  spec.style = platform::FormStyle::ToolDialog;
  spec.bounds = kDesignClient;
  form_ = platform_.windows.CreateForm(spec, *this);
  ShrinkToASliver();
}

FocusHelperWindow::~FocusHelperWindow() = default;

void FocusHelperWindow::ShrinkToASliver() {
  auto bounds = form_->Bounds();
  bounds.left = 1;
  bounds.width = 1;
  form_->SetBounds(bounds);
}

void FocusHelperWindow::OnActivate() { ShrinkToASliver(); }

void FocusHelperWindow::Flash() {
  form_->SetVisible(true);
  form_->Activate();
  OnActivate();
  form_->SetVisible(true);
  form_->SetVisible(false);
}

}  // namespace zlt
