// Mouse presses and key states as the program's events take them.
#pragma once

#include <windows.h>

#include "Dpi.h"
#include "platform/Form.h"

namespace zlt::win32 {

// A button-down message's buttons (MK_* of wParam), Shift state (MK_SHIFT,
// MK_CONTROL; Alt from the key state) and position in twips at the window's
// own scale.
platform::MouseDown PressFromMessage(WPARAM wParam, LPARAM lParam, int twipsPerPixel);

// Shift, Ctrl and Alt as held while the current message was sent.
int KeyShiftState();

}  // namespace zlt::win32
