// The cheapest Windows GUI program: the yardstick the second start of
// ZLTFusen.exe is measured against, since both pay the same process start.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return 0; }
