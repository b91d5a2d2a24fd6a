// What a form is built from: the kinds of control the program uses and how it
// describes one to the window system.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Geometry.h"

namespace zlt::platform {

enum class ControlKind {
  Label,             // static text; reports mouse presses, clicks and double clicks
  TextBox,           // one-line edit
  MultiLineTextBox,  // multi-line edit with both scroll bars, Enter makes a new line
  CheckBox,
  Button,      // push button; graphical buttons show their back colour
  Frame,       // group box with a caption; holds other controls
  PictureBox,  // plain coloured box; may hold other controls
  Icon,        // the program's icon, 32 x 32
};

struct FontSpec {
  std::string face;  // UTF-8, for example "ＭＳ Ｐゴシック"
  double points = 9.0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

// The form's own number for the form itself, in events.
constexpr int kFormItself = -1;

struct ControlSpec {
  ControlKind kind = ControlKind::Label;
  int id = 0;                  // the form's own control number (an enum value)
  int parentId = kFormItself;  // a Frame or PictureBox of the same form, or the form
  std::string text;            // caption or initial text, UTF-8
  TwipsRect bounds;            // relative to the parent
  std::optional<Colour> backColour;
  std::optional<Colour> foreColour;
  std::optional<FontSpec> font;
  std::string tooltip;  // UTF-8; empty means none
  bool visible = true;
  bool enabled = true;
  int tabIndex = -1;        // position in the form's tab order; -1: not a tab stop
  bool graphical = false;   // Button: paint with backColour
  bool handCursor = false;  // Label: the pointer changes while over it
  bool wordWrap = true;     // Label: false keeps the text on one line, cut at the edge
  // TextBox: a text of the widest shape the box ever holds, which must show
  // whole. The box gives up its inner margins and, where the face the system
  // gives is still too wide for it, takes that face smaller.
  std::string wholeText;
};

// A control of this kind, number, container, text and place; everything else
// as a new control has it.
inline ControlSpec MakeControl(ControlKind kind, int id, int parentId, std::string_view text,
                               TwipsRect bounds, int tabIndex = -1) {
  ControlSpec spec;
  spec.kind = kind;
  spec.id = id;
  spec.parentId = parentId;
  spec.text = text;
  spec.bounds = bounds;
  spec.tabIndex = tabIndex;
  return spec;
}

// A control as the program sees it. Setting a value never reports an event back:
// where a change must run a handler, the program runs it itself, so both
// backends behave alike.
class IControl {
 public:
  virtual ~IControl() = default;

  virtual void SetText(std::string_view text) = 0;  // UTF-8
  virtual std::string Text() const = 0;

  // A control's own visible flag. It shows on screen only while every
  // container above it is visible too.
  virtual void SetVisible(bool visible) = 0;
  virtual bool Visible() const = 0;

  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;

  virtual void SetBackColour(Colour colour) = 0;
  virtual Colour BackColour() const = 0;

  // Check boxes: 0 unchecked, 1 checked.
  virtual void SetChecked(bool checked) = 0;
  virtual bool Checked() const = 0;

  // Text boxes: selection in characters of the text.
  virtual void SetSelection(int start, int length) = 0;
  // Text boxes: the character position nearest a point of the control (twips
  // from its top-left corner), where a click there puts the caret.
  virtual int CharacterFromPoint(Twips x, Twips y) const = 0;
  virtual void Focus() = 0;
};

}  // namespace zlt::platform
