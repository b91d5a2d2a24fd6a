// Where a control stands and which font it has at its form's scale: placed
// from its twips when made and again whenever the form changes DPI, and a box
// that must show its whole text fitted to it.
#include "Win32Context.h"
#include "Win32Control.h"
#include "Win32Form.h"
#include "Win32Text.h"

namespace zlt::win32 {
namespace {

// None at all: the box's sunken edge still keeps the text clear of its border.
constexpr WORD kNarrowMarginPx = 0;
// A box that must show its whole text steps its face down this much at a time,
// and never below the smallest size still read easily.
constexpr double kFitStepPoints = 0.5;
constexpr double kSmallestFitPoints = 6.0;

}  // namespace

RECT Win32Control::PixelPlace() const {
  const platform::PixelRect place = platform::ControlPixels(bounds_, form_.Scale());
  return {place.left, place.top, place.right, place.bottom};
}

void Win32Control::SetFontForScale() {
  font_ = form_.Context().fonts.Get(fontSpec_, form_.Scale().dpi);
  SendMessageW(window_.Get(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  if (!wholeText_.empty()) FitWholeText(fontSpec_, ToWide(wholeText_));
}

void Win32Control::Rescale() {
  placed_ = PixelPlace();
  SetWindowPos(window_.Get(), nullptr, placed_.left, placed_.top, placed_.right - placed_.left,
               placed_.bottom - placed_.top, SWP_NOZORDER | SWP_NOACTIVATE);
  SetFontForScale();
  InvalidateRect(window_.Get(), nullptr, TRUE);
}

void Win32Control::FitWholeText(platform::FontSpec font, const std::wstring& text) {
  const HWND window = window_.Get();
  // After WM_SETFONT, which gives the box the font's own margins.
  SendMessageW(window, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
               MAKELPARAM(kNarrowMarginPx, kNarrowMarginPx));
  const HDC dc = GetDC(window);
  if (dc == nullptr) return;
  const auto widthIn = [&](HFONT candidate) {
    const HGDIOBJ before = SelectObject(dc, candidate);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, before);
    return size.cx;
  };
  // The edit control keeps a pixel or so inside its client area whatever its
  // margins: the rectangle it draws in is the room.
  RECT room{};
  SendMessageW(window, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&room));
  const long roomWidth = room.right - room.left;
  HFONT fitted = font_;
  while (widthIn(fitted) > roomWidth && font.points - kFitStepPoints >= kSmallestFitPoints) {
    font.points -= kFitStepPoints;
    fitted = form_.Context().fonts.Get(font, form_.Scale().dpi);
  }
  ReleaseDC(window, dc);
  if (fitted == font_) return;
  font_ = fitted;
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  SendMessageW(window, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
               MAKELPARAM(kNarrowMarginPx, kNarrowMarginPx));
}

}  // namespace zlt::win32
