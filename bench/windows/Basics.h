// What every Windows benchmark uses, the bare yardstick too: a millisecond
// clock, the process's CPU time, a mark in the server log, and handling the
// messages left pending.
#pragma once

#include <windows.h>

namespace zlt::bench {

inline double NowMs() {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// The CPU time this process has used, user and kernel together. Under Wine
// the wall time of a loop that makes windows swings with what else the
// machine runs; the process's own CPU time swings less.
inline double ProcessCpuMs() {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
  const auto ticks = [](const FILETIME& time) {
    return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  };
  return static_cast<double>(ticks(kernel) + ticks(user)) / 10000.0;  // 100 ns units
}

// A line in Wine's server log (WINEDEBUG=+server) that names what follows:
// looking an atom up is one request that carries its name. bench/run.sh
// counts the requests of this thread between "zlt-bench-begin" and
// "zlt-bench-end" (and on to "zlt-bench-settled"), figures that do not swing
// with the machine's load.
inline void MarkServerLog(const wchar_t* mark) { (void)GlobalFindAtomW(mark); }

// Every message of the thread that is waiting now, handled as the message
// loop would.
inline void PumpPending() {
  MSG message{};
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace zlt::bench
