// The controller window's face as the information window: the program's
// name, version and makers, a web address that opens in the browser, and
// "OK", which also ends a program that has no note open.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Form.h"
#include "platform/System.h"
#include "state/ProgramState.h"

namespace zlt::manager {

enum InformationControl : int {
  InfoFrame = 1,
  InfoIcon,
  InfoTitle,
  InfoVersion,
  InfoAuthors,
  InfoCredit,
  InfoWebAddress,
  InfoOkButton,
};

namespace information {
// The window's client area.
constexpr platform::TwipsRect kClient{0, 0, 4590, 2550};
constexpr platform::Colour kAddressColour = platform::Rgb(0, 0, 192);
// The program's title as the window shows it, trailing blank included.
constexpr std::string_view kTitle = "ＺＬＴ付箋紙プラグイン ";
std::string VersionText();
// Every control, the frame first.
std::vector<platform::ControlSpec> Controls();
}  // namespace information

class InformationWindow {
 public:
  // Ends the program; the owner removes the hook first.
  using Action = std::function<void()>;

  InformationWindow(platform::IForm& form, platform::IShell& shell, const ProgramState& state,
                    Action endProgram);

  // True when the click was on one of this window's controls.
  bool OnClick(int controlId);

  // The address opens in the browser; then as HideOrEnd.
  void OpenWebAddress();
  // "OK", the close button: hides the window, or ends the program when no
  // note is open.
  void HideOrEnd();

 private:
  platform::IForm& form_;
  platform::IShell& shell_;
  const ProgramState& state_;
  Action endProgram_;
};

}  // namespace zlt::manager
