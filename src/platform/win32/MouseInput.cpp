#include "MouseInput.h"

#include <windowsx.h>

namespace zlt::win32 {

platform::MouseDown PressFromMessage(WPARAM wParam, LPARAM lParam, int twipsPerPixel) {
  platform::MouseDown press;
  if ((wParam & MK_LBUTTON) != 0) press.buttons |= platform::mouse::kLeft;
  if ((wParam & MK_RBUTTON) != 0) press.buttons |= platform::mouse::kRight;
  if ((wParam & MK_MBUTTON) != 0) press.buttons |= platform::mouse::kMiddle;
  if ((wParam & MK_SHIFT) != 0) press.shift |= platform::shift::kShift;
  if ((wParam & MK_CONTROL) != 0) press.shift |= platform::shift::kCtrl;
  if (GetKeyState(VK_MENU) < 0) press.shift |= platform::shift::kAlt;
  press.x = GET_X_LPARAM(lParam) * twipsPerPixel;
  press.y = GET_Y_LPARAM(lParam) * twipsPerPixel;
  return press;
}

int KeyShiftState() {
  int shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= platform::shift::kShift;
  if (GetKeyState(VK_CONTROL) < 0) shift |= platform::shift::kCtrl;
  if (GetKeyState(VK_MENU) < 0) shift |= platform::shift::kAlt;
  return shift;
}

}  // namespace zlt::win32
