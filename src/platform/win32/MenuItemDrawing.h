// Popup menu items drawn by the program: the system's menu font is asked for
// by face alone, and on a system whose language is not Japanese it may have no
// Japanese glyphs. The program draws each item with its own font, which asks
// for the Japanese character set.
#pragma once

#include <windows.h>

#include <string>

#include "Win32Context.h"

namespace zlt::win32 {

// What an owner-drawn item carries in its item data.
struct MenuItemText {
  std::wstring caption;
};

// The font of the menu items: the system menu font's face and size, asked for
// with the Japanese character set, at the DPI of the window the menu opens on.
HFONT MenuItemFont(Win32Context& context, int dpi);

void MeasureMenuItem(Win32Context& context, int dpi, MEASUREITEMSTRUCT& item);
void DrawMenuItem(Win32Context& context, int dpi, const DRAWITEMSTRUCT& item);

}  // namespace zlt::win32
