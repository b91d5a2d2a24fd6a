#include "MenuItemDrawing.h"

#include <algorithm>
#include <cmath>

#include "Win32Text.h"

namespace zlt::win32 {
namespace {

constexpr int kTextGap = 4;     // between the check column and the text
constexpr int kRightRoom = 16;  // after the text, as system menus leave
constexpr int kVerticalPad = 4;

int CheckColumnWidth() { return GetSystemMetrics(SM_CXMENUCHECK) + kTextGap; }

const MenuItemText* TextOf(ULONG_PTR data) { return reinterpret_cast<const MenuItemText*>(data); }

// A tick drawn with lines, so no symbol font is needed.
void DrawCheck(HDC dc, const RECT& column, COLORREF colour) {
  const int size = std::min<int>(column.right - column.left, column.bottom - column.top) / 2;
  const int x = column.left + (column.right - column.left - size) / 2;
  const int y = column.top + (column.bottom - column.top - size) / 2;
  UniquePen pen(CreatePen(PS_SOLID, std::max(1, size / 4), colour));
  const SelectedObject selected(dc, pen.Get());
  const POINT tick[] = {{x, y + size / 2}, {x + size / 3, y + size - 1}, {x + size, y}};
  Polyline(dc, tick, 3);
}

}  // namespace

HFONT MenuItemFont(Win32Context& context, int dpi) {
  platform::FontSpec spec;
  spec.face = "ＭＳ Ｐゴシック";
  spec.points = 9.0;
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0) != FALSE &&
      metrics.lfMenuFont.lfFaceName[0] != L'\0') {
    spec.face = FromWide(metrics.lfMenuFont.lfFaceName);
    if (metrics.lfMenuFont.lfHeight != 0) {
      spec.points = std::abs(metrics.lfMenuFont.lfHeight) * 72.0 / context.dpi.y;
    }
  }
  return context.fonts.Get(spec, dpi);
}

void MeasureMenuItem(Win32Context& context, int dpi, MEASUREITEMSTRUCT& item) {
  const MenuItemText* text = TextOf(item.itemData);
  if (text == nullptr) return;
  const WindowDc screen(nullptr);
  const SelectedObject font(screen.Get(), MenuItemFont(context, dpi));
  SIZE extent{};
  GetTextExtentPoint32W(screen.Get(), text->caption.c_str(), static_cast<int>(text->caption.size()),
                        &extent);
  item.itemWidth = static_cast<UINT>(CheckColumnWidth() + extent.cx + kRightRoom);
  item.itemHeight =
      static_cast<UINT>(std::max<int>(extent.cy + kVerticalPad, GetSystemMetrics(SM_CYMENUCHECK)));
}

void DrawMenuItem(Win32Context& context, int dpi, const DRAWITEMSTRUCT& item) {
  const MenuItemText* text = TextOf(item.itemData);
  if (text == nullptr) return;
  const HDC dc = item.hDC;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  const bool grayed = (item.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
  FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  const COLORREF colour = GetSysColor(grayed     ? COLOR_GRAYTEXT
                                      : selected ? COLOR_HIGHLIGHTTEXT
                                                 : COLOR_MENUTEXT);
  RECT column = item.rcItem;
  column.right = column.left + CheckColumnWidth();
  if ((item.itemState & ODS_CHECKED) != 0) DrawCheck(dc, column, colour);

  const SelectedObject font(dc, MenuItemFont(context, dpi));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  RECT area = item.rcItem;
  area.left = column.right;
  DrawTextW(dc, text->caption.c_str(), static_cast<int>(text->caption.size()), &area,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace zlt::win32
