// The form's place and size in the program's units, and its DPI: that of the
// monitor it stands on, which it follows when the system says it changed.
#include "Win32Control.h"
#include "Win32Form.h"

namespace zlt::win32 {

platform::TwipsRect Win32Form::Bounds() const {
  RECT rect{};
  GetWindowRect(window_.Get(), &rect);
  const Dpi& dpi = context_.dpi;
  return {rect.left * dpi.twipsPerPixelX, rect.top * dpi.twipsPerPixelY,
          (rect.right - rect.left) * dpi.twipsPerPixelX,
          (rect.bottom - rect.top) * dpi.twipsPerPixelY};
}

platform::FormScale Win32Form::Scale() const {
  return {dpi_, context_.dpi.twipsPerPixelX, context_.dpi.twipsPerPixelY};
}

void Win32Form::SetBounds(const platform::TwipsRect& bounds) {
  const RECT rect = PixelRectOf(bounds, context_.dpi);
  SetWindowPos(window_.Get(), nullptr, rect.left, rect.top, rect.right - rect.left,
               rect.bottom - rect.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::optional<LRESULT> Win32Form::OnDpiChanged(const Message& message) {
  // The new DPI comes from the message: asked of the window, some systems
  // still answer the system's.
  const int dpi = HIWORD(message.wParam);
  const auto* suggested = reinterpret_cast<const RECT*>(message.lParam);
  if (dpi <= 0 || dpi == dpi_) return 0;
  dpi_ = dpi;
  if (suggested != nullptr && !IsRectEmpty(suggested)) {
    SetWindowPos(message.window, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  for (const auto& control : controls_) control->Rescale();
  HideOwnTooltip();
  events_.OnScaleChanged();  // may destroy the form
  return 0;
}

}  // namespace zlt::win32
