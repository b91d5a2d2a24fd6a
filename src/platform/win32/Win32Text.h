// UTF-8 (the program's text) to UTF-16 (the W calls) and back.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace zlt::win32 {

// Invalid UTF-8 becomes U+FFFD; it never fails.
std::wstring ToWide(std::string_view text);
// Unpaired surrogates become U+FFFD; it never fails.
std::string FromWide(std::wstring_view text);
// A path for a W call, or nullopt when it is empty or holds a NUL (which would
// silently cut it and name a different file).
std::optional<std::wstring> ToWidePath(std::string_view path);
// A window's caption or a control's text as it holds it now.
std::wstring WindowText(HWND window);
// The system's own message for an error code (GetLastError), in the user's
// language, without its closing line break; the code itself when the system
// has no text for it.
std::string SystemErrorText(unsigned long error);

}  // namespace zlt::win32
