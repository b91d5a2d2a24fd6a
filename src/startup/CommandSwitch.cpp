#include "startup/CommandSwitch.h"

#include "platform/Cp932.h"
#include "state/Text.h"

namespace zlt {

std::string_view SwitchText(Switch command) {
  switch (command) {
    case Switch::RestoreAll:
      return "/*";
    case Switch::NewNote:
      return "/N";
    case Switch::ShowHidden:
      return "/V";
    case Switch::Information:
      return "/S";
    case Switch::Flash:
      return "/P";
    case Switch::None:
      break;
  }
  return {};
}

Switch StartupSwitch(std::string_view commandLine) {
  const std::string_view command = TrimBlanks(commandLine);
  for (const Switch known :
       {Switch::RestoreAll, Switch::NewNote, Switch::ShowHidden, Switch::Information}) {
    if (command == SwitchText(known)) return known;
  }
  return Switch::None;
}

Switch ForwardedSwitch(std::string_view bytes) {
  const std::string text = platform::Cp932ToUtf8(TrimNull(bytes));
  const std::string_view head = FirstCharacters(TrimBlanks(text), 2);
  // "/*" from a second start that lost the start race to another switch.
  for (const Switch known : {Switch::Information, Switch::Flash, Switch::ShowHidden,
                             Switch::NewNote, Switch::RestoreAll}) {
    if (head == SwitchText(known)) return known;
  }
  return Switch::None;
}

}  // namespace zlt
