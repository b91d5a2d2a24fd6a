// The switches the program understands: on its own command line at start-up,
// and in a command forwarded by a second start.
#pragma once

#include <string>
#include <string_view>

namespace zlt {

// The start-up switch of a first start: the command line with blanks trimmed
// at both ends, matched whole and case-sensitively against "/*", "/N", "/V"
// and "/S"; "" for anything else (the program then ends).
std::string StartupSwitch(std::string_view commandLine);

// The switch a forwarded payload carries, or "" when it carries none: the
// payload is code page 932 text cut at its first NUL; its first two
// characters after trimming are compared case-sensitively with "/S", "/P",
// "/V", "/N" and "/*".
std::string ForwardedSwitch(std::string_view bytes);

}  // namespace zlt
