#include "Win32Clock.h"

#include <windows.h>

namespace zlt::win32 {

platform::LocalTime Win32Clock::Now() const {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  platform::LocalTime time;
  time.year = now.wYear;
  time.month = now.wMonth;
  time.day = now.wDay;
  time.hour = now.wHour;
  time.minute = now.wMinute;
  time.second = now.wSecond;
  time.weekday = now.wDayOfWeek;  // 0 is Sunday on both sides
  time.millisecond = now.wMilliseconds;
  return time;
}

}  // namespace zlt::win32
