// A GUI program that makes one hidden window and ends: between the do-nothing
// program and a second start of ZLTFusen.exe, it shows how much of the second
// start is only the window system coming up in a new process.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"ZLTBenchOneWindow";
  if (RegisterClassW(&windowClass) == 0) return 1;
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"one window", WS_OVERLAPPEDWINDOW, 0,
                                0, 100, 100, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  DestroyWindow(window);
  return 0;
}
