#include "startup/CommandSwitch.h"

#include "platform/Cp932.h"
#include "state/Text.h"

namespace zlt {

std::string StartupSwitch(std::string_view commandLine) {
  const std::string_view command = TrimBlanks(commandLine);
  for (const std::string_view known : {"/*", "/N", "/V", "/S"}) {
    if (command == known) return std::string(known);
  }
  return {};
}

std::string ForwardedSwitch(std::string_view bytes) {
  const std::string text = platform::Cp932ToUtf8(TrimNull(bytes));
  const std::string_view head = FirstCharacters(TrimBlanks(text), 2);
  // "/*" from a second start that lost the start race to another switch.
  for (const std::string_view known : {"/S", "/P", "/V", "/N", "/*"}) {
    if (head == known) return std::string(known);
  }
  return {};
}

}  // namespace zlt
