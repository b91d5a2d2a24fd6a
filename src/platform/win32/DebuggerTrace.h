// A line for a debugger (OutputDebugStringW) where the program drops an error
// because nothing may unwind further: through the window system's frames, or
// out of the message loop. The user sees only that nothing happened; a
// debugger or DebugView shows what did.
#pragma once

#include <windows.h>

#include <optional>

namespace zlt::win32 {

// Call inside a catch block only: "ZLTFusen: <whatHappened> (message 0x....):
// <the error's own text>", the message number where a window message was
// being handled.
void TraceCaughtError(const wchar_t* whatHappened,
                      std::optional<UINT> message = std::nullopt) noexcept;

}  // namespace zlt::win32
