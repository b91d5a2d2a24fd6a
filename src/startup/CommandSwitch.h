// The switches the program understands: on its own command line at start-up,
// and in a command forwarded by a second start.
#pragma once

#include <string>
#include <string_view>

namespace zlt {

enum class Switch {
  None,         // not a switch: a first start ends, a forwarded one does nothing
  RestoreAll,   // "/*"
  NewNote,      // "/N"
  ShowHidden,   // "/V"
  Information,  // "/S"
  Flash,        // "/P", forwarded only: the focus helper window flashes
};

// The switch as a command line spells it ("/*"); "" for None.
std::string_view SwitchText(Switch command);

// The start-up switch of a first start: the command line with blanks trimmed
// at both ends, matched whole and case-sensitively against "/*", "/N", "/V"
// and "/S"; None for anything else (the program then ends).
Switch StartupSwitch(std::string_view commandLine);

// The switch a forwarded payload carries, or None when it carries none: the
// payload is code page 932 text cut at its first NUL; its first two
// characters after trimming are compared case-sensitively with "/S", "/P",
// "/V", "/N" and "/*".
Switch ForwardedSwitch(std::string_view bytes);

}  // namespace zlt
