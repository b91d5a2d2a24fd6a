#include "manager/InformationWindow.h"

#include <utility>

#include "ProgramVersion.h"
#include "manager/InformationTexts.h"

namespace zlt::manager {

using platform::ControlKind;
using platform::ControlSpec;
using platform::FontSpec;

namespace information {

std::string VersionText() { return std::string("Version ") + ZLT_VERSION_TEXT; }

namespace {

ControlSpec Make(ControlKind kind, int id, int parent, std::string_view text,
                 platform::TwipsRect bounds) {
  ControlSpec spec = platform::MakeControl(kind, id, parent, text, bounds);
  // One line each: a wider face than the one asked for cuts the end off
  // rather than pushing it onto a line the label has no room for.
  spec.wordWrap = false;
  return spec;
}

FontSpec Font(const char* face, double points) {
  FontSpec font;
  font.face = face;
  font.points = points;
  return font;
}

}  // namespace

std::vector<ControlSpec> Controls() {
  const int frame = InfoFrame;
  std::vector<ControlSpec> specs;
  specs.push_back(Make(ControlKind::Frame, InfoFrame, platform::kFormItself, "Information",
                       {120, 120, 4335, 2295}));
  specs.push_back(Make(ControlKind::Icon, InfoIcon, frame, "", {600, 360, 480, 480}));

  auto title = Make(ControlKind::Label, InfoTitle, frame, kTitle, {1080, 480, 2775, 225});
  title.font = Font("ＭＳ 明朝", 11.25);
  title.font->bold = true;
  title.font->italic = true;
  specs.push_back(title);

  // Wide enough for the whole text in a face a little wider than the one asked for.
  auto version =
      Make(ControlKind::Label, InfoVersion, frame, VersionText(), {1680, 840, 1335, 225});
  version.font = Font("ＭＳ Ｐゴシック", 11.25);
  specs.push_back(version);

  specs.push_back(
      Make(ControlKind::Label, InfoAuthors, frame, texts::kAuthorLine, {1250, 1320, 3000, 180}));
  specs.push_back(
      Make(ControlKind::Label, InfoCredit, frame, texts::kCreditLine, {1250, 1560, 2430, 180}));

  // As tall as the other labels: the underline of some faces lies below 180 twips.
  auto address =
      Make(ControlKind::Label, InfoWebAddress, frame, texts::kWebAddress, {2280, 1920, 1845, 225});
  address.foreColour = kAddressColour;
  address.font = Font("ＭＳ Ｐゴシック", 9.0);
  address.font->underline = true;
  address.handCursor = true;
  specs.push_back(address);

  auto ok = Make(ControlKind::Button, InfoOkButton, frame, "OK", {240, 1680, 615, 375});
  ok.tabIndex = 0;
  specs.push_back(ok);
  return specs;
}

}  // namespace information

InformationWindow::InformationWindow(platform::IForm& form, platform::IShell& shell,
                                     const ProgramState& state, Action endProgram)
    : form_(form), shell_(shell), state_(state), endProgram_(std::move(endProgram)) {
  for (const ControlSpec& spec : information::Controls()) form_.AddControl(spec);
}

bool InformationWindow::OnClick(int controlId) {
  switch (controlId) {
    case InfoWebAddress:
      OpenWebAddress();
      return true;
    case InfoOkButton:
      HideOrEnd();
      return true;
    default:
      return false;
  }
}

void InformationWindow::OpenWebAddress() {
  // The window goes whether or not the shell could open the address.
  shell_.Open(form_.Control(InfoWebAddress).Text());
  HideOrEnd();
}

void InformationWindow::HideOrEnd() {
  // A program with nothing left to show would run on unseen; hidden notes
  // count, since the program keeps running for them.
  if (state_.OpenNotes > 0) {
    form_.SetVisible(false);
    return;
  }
  endProgram_();
}

}  // namespace zlt::manager
