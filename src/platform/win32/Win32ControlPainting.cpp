// How controls paint themselves where the system's drawing is not enough:
// colours, graphical buttons and the frame's group box.
#include <string>

#include "Win32Control.h"
#include "Win32Form.h"
#include "Win32Text.h"

namespace zlt::win32 {

platform::Colour Win32Control::TextColour() const {
  if (!enabled_ && IsTextBox()) return static_cast<platform::Colour>(GetSysColor(COLOR_GRAYTEXT));
  if (foreColour_) return *foreColour_;
  return static_cast<platform::Colour>(GetSysColor(IsTextBox() ? COLOR_WINDOWTEXT : COLOR_BTNTEXT));
}

HBRUSH Win32Control::PrepareColours(HDC dc) {
  const platform::Colour back = BackColour();
  SetBkColor(dc, back);
  SetTextColor(dc, TextColour());
  return form_.Context().brushes.Get(back);
}

void Win32Control::DrawGraphicalButton(const DRAWITEMSTRUCT& item) {
  const HDC dc = item.hDC;
  RECT rect = item.rcItem;
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  RECT face = rect;
  InflateRect(&face, -2, -2);
  FillRect(dc, &face, form_.Context().brushes.Get(BackColour()));

  const std::wstring caption = WindowText(item.hwndItem);
  const SelectedObject font(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, (item.itemState & ODS_DISABLED) != 0
                       ? GetSysColor(COLOR_GRAYTEXT)
                       : foreColour_.value_or(GetSysColor(COLOR_BTNTEXT)));
  RECT text = face;
  if (pushed) OffsetRect(&text, 1, 1);
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if ((item.itemState & ODS_FOCUS) != 0) {
    InflateRect(&face, -1, -1);
    DrawFocusRect(dc, &face);
  }
}

LRESULT Win32Control::OnEraseBackground(const Message& message) {
  if (!IsContainer()) return Default(message);
  RECT client{};
  GetClientRect(message.window, &client);
  FillRect(reinterpret_cast<HDC>(message.wParam), &client,
           form_.Context().brushes.Get(BackColour()));
  return 1;
}

LRESULT Win32Control::OnPaint(const Message& message) {
  if (!IsContainer()) return Default(message);
  const PaintScope paint(message.window);
  // Filled here too: a box shown over other controls (the date picker over
  // the details text) is not always erased first.
  RECT client{};
  GetClientRect(message.window, &client);
  FillRect(paint.Dc(), &client, form_.Context().brushes.Get(BackColour()));
  if (kind_ == platform::ControlKind::Frame) PaintFrame(paint.Dc());
  return 0;
}

// A group box: an etched outline from half the caption's height down, the
// caption on the box's colour near the top left corner.
void Win32Control::PaintFrame(HDC dc) {
  RECT client{};
  GetClientRect(window_.Get(), &client);
  const std::wstring caption = WindowText(window_.Get());
  const SelectedObject font(dc, font_);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  RECT outline = client;
  outline.top += metrics.tmHeight / 2;
  DrawEdge(dc, &outline, EDGE_ETCHED, BF_RECT);
  if (caption.empty()) return;
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, BackColour());
  SetTextColor(dc, foreColour_.value_or(GetSysColor(COLOR_BTNTEXT)));
  RECT text{6, 0, client.right - 6, metrics.tmHeight};
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
  text.left -= 2;
  text.right += 2;
  FillRect(dc, &text, form_.Context().brushes.Get(BackColour()));
  text.left += 2;
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace zlt::win32
