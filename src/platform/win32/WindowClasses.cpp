#include "WindowClasses.h"

#include <utility>

namespace zlt::win32 {
namespace {

constexpr wchar_t kFormClassName[] = L"ZLTFusenForm";
constexpr wchar_t kBoxClassName[] = L"ZLTFusenBox";

bool IsNotification(UINT message) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return true;
    default:
      return false;
  }
}

// Group boxes do not pass their children's notifications on; this box hands
// them to the form, which knows every control whatever its container.
LRESULT CALLBACK BoxWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsNotification(message)) {
    const HWND form = GetAncestor(window, GA_ROOT);
    if (form != nullptr && form != window) return SendMessageW(form, message, wParam, lParam);
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

WindowClass::WindowClass(WindowClass&& other) noexcept
    : atom_(std::exchange(other.atom_, 0)), instance_(other.instance_) {}

WindowClass& WindowClass::operator=(WindowClass&& other) noexcept {
  if (this != &other) {
    if (atom_ != 0) UnregisterClassW(MAKEINTATOM(atom_), instance_);
    atom_ = std::exchange(other.atom_, 0);
    instance_ = other.instance_;
  }
  return *this;
}

WindowClass::~WindowClass() {
  if (atom_ != 0) UnregisterClassW(MAKEINTATOM(atom_), instance_);
}

WindowClass RegisterFormClass(HINSTANCE instance, WNDPROC windowProc) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  // No CS_DBLCLKS: a form reports every press as a press.
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kFormClassName;
  // No background brush: the form paints its own colour on WM_ERASEBKGND.
  return WindowClass(RegisterClassExW(&windowClass), instance);
}

WindowClass RegisterBoxClass(HINSTANCE instance) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = BoxWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kBoxClassName;
  return WindowClass(RegisterClassExW(&windowClass), instance);
}

}  // namespace zlt::win32
