#include "platform/sim/SimControl.h"

#include <algorithm>
#include <utility>

#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimForm.h"

namespace zlt::sim {
namespace {

// The system's default colours: button face for most controls, window white
// for text boxes.
platform::Colour DefaultBackColour(platform::ControlKind kind) {
  return kind == platform::ControlKind::TextBox || kind == platform::ControlKind::MultiLineTextBox
             ? platform::Rgb(255, 255, 255)
             : platform::Rgb(240, 240, 240);
}

// Byte offset of the character at index (clamped to the end).
std::size_t ByteOffset(std::string_view utf8, int index) {
  std::size_t offset = 0;
  for (int seen = 0; offset < utf8.size(); ++offset) {
    if ((static_cast<unsigned char>(utf8[offset]) & 0xC0) != 0x80) {
      if (seen == index) return offset;
      ++seen;
    }
  }
  return utf8.size();
}

}  // namespace

int CharacterCount(std::string_view utf8) {
  return static_cast<int>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

SimControl::SimControl(SimForm& form, SimControl* parent, platform::ControlSpec spec)
    : form_(form),
      parent_(parent),
      spec_(std::move(spec)),
      text_(spec_.text),
      visible_(spec_.visible),
      enabled_(spec_.enabled),
      backColour_(spec_.backColour.value_or(DefaultBackColour(spec_.kind))) {}

bool SimControl::IsTextBox() const {
  return spec_.kind == platform::ControlKind::TextBox ||
         spec_.kind == platform::ControlKind::MultiLineTextBox;
}

void SimControl::SetText(std::string_view text) {
  text_ = text;
  // Like WM_SETTEXT on an edit control: the caret goes back to the start.
  anchor_ = 0;
  caret_ = 0;
}

std::string SimControl::Text() const { return text_; }
void SimControl::SetVisible(bool visible) { visible_ = visible; }
bool SimControl::Visible() const { return visible_; }
void SimControl::SetEnabled(bool enabled) { enabled_ = enabled; }
bool SimControl::Enabled() const { return enabled_; }
void SimControl::SetBackColour(platform::Colour colour) { backColour_ = colour; }
platform::Colour SimControl::BackColour() const { return backColour_; }
void SimControl::SetChecked(bool checked) { checked_ = checked; }
bool SimControl::Checked() const { return checked_; }

void SimControl::SetSelection(int start, int length) {
  const int count = CharacterCount(text_);
  anchor_ = std::clamp(start, 0, count);
  caret_ = anchor_ + std::clamp(length, 0, count - anchor_);
}

int SimControl::CharacterFromPoint(platform::Twips x, platform::Twips /*y*/) const {
  if (!IsTextBox()) return 0;
  const int nearest = (std::max(x, 0) + kCharacterWidth / 2) / kCharacterWidth;
  return std::min(nearest, CharacterCount(text_));
}

void SimControl::PressAt(int character, bool shift) {
  caret_ = std::clamp(character, 0, CharacterCount(text_));
  if (!shift) anchor_ = caret_;
}

void SimControl::ReplaceSelection(std::string_view text) {
  const int start = SelectionStart();
  const std::size_t begin = ByteOffset(text_, start);
  const std::size_t end = ByteOffset(text_, start + SelectionLength());
  text_.replace(begin, end - begin, text);
  caret_ = anchor_ = start + CharacterCount(text);
}

void SimControl::Focus() {
  if (form_.desktop_ != nullptr) form_.desktop_->SetFocusSilently(form_.Handle(), spec_.id);
}

bool SimControl::EffectiveVisible() const {
  for (const SimControl* control = this; control != nullptr; control = control->parent_) {
    if (!control->visible_) return false;
  }
  return true;
}

bool SimControl::EffectiveEnabled() const {
  for (const SimControl* control = this; control != nullptr; control = control->parent_) {
    if (!control->enabled_) return false;
  }
  return true;
}

std::string SimControl::SelectedText() const {
  const std::size_t begin = ByteOffset(text_, SelectionStart());
  const std::size_t end = ByteOffset(text_, SelectionStart() + SelectionLength());
  return text_.substr(begin, end - begin);
}

bool SimControl::HasFocus() const {
  if (form_.desktop_ == nullptr) return false;
  const auto focus = form_.desktop_->Focused();
  return focus && focus->first == form_.Handle() && focus->second == spec_.id;
}

platform::PixelRect SimControl::RectPx() const {
  return platform::ControlPixels(spec_.bounds, form_.Scale());
}

}  // namespace zlt::sim
