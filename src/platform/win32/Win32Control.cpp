#include "Win32Control.h"

#include <windowsx.h>

#include <algorithm>
#include <string>

#include "DebuggerTrace.h"
#include "MouseInput.h"
#include "SystemLibraries.h"
#include "Win32Form.h"
#include "Win32Text.h"

namespace zlt::win32 {
namespace {

using platform::ControlKind;

constexpr UINT_PTR kSubclassId = 1;

// The program's default face for controls without a font of their own.
platform::FontSpec DefaultFont() {
  platform::FontSpec font;
  font.face = "ＭＳ Ｐゴシック";
  font.points = 9.0;
  return font;
}

struct Creation {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

Creation CreationOf(const platform::ControlSpec& spec, const Win32Context& context) {
  switch (spec.kind) {
    case ControlKind::Label:
      return {L"STATIC",
              static_cast<DWORD>((spec.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP) | SS_NOTIFY |
                                 SS_NOPREFIX),
              0};
    case ControlKind::TextBox:
      return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::MultiLineTextBox:
      return {L"EDIT",
              ES_LEFT | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | ES_AUTOHSCROLL |
                  WS_VSCROLL | WS_HSCROLL,
              WS_EX_CLIENTEDGE};
    case ControlKind::CheckBox:
      return {L"BUTTON", BS_AUTOCHECKBOX, 0};
    case ControlKind::Button:
      return {L"BUTTON", static_cast<DWORD>(spec.graphical ? BS_OWNERDRAW : BS_PUSHBUTTON), 0};
    case ControlKind::Frame:
    case ControlKind::PictureBox:
      return {context.BoxClassName(), WS_CLIPCHILDREN, 0};
    case ControlKind::Icon:
      return {L"STATIC", SS_ICON | SS_NOTIFY, 0};
  }
  return {L"STATIC", SS_LEFT, 0};
}

// UTF-16 index of the character (code point) at index, clamped to the end.
int Utf16Index(std::wstring_view text, int index) {
  int seen = 0;
  std::size_t position = 0;
  while (position < text.size() && seen < index) {
    const bool pair = IS_HIGH_SURROGATE(text[position]) && position + 1 < text.size() &&
                      IS_LOW_SURROGATE(text[position + 1]);
    position += pair ? 2 : 1;
    ++seen;
  }
  return static_cast<int>(position);
}

// Characters (code points) in the first units UTF-16 units of text.
int CharacterIndex(std::wstring_view text, int units) {
  int characters = 0;
  for (int i = 0; i < units && i < static_cast<int>(text.size()); ++i) {
    if (!IS_LOW_SURROGATE(text[static_cast<std::size_t>(i)])) ++characters;
  }
  return characters;
}

bool InsideClient(HWND window, LPARAM lParam) {
  RECT client{};
  GetClientRect(window, &client);
  const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  return PtInRect(&client, point) != FALSE;
}

}  // namespace

const Win32Control::Route Win32Control::kRoutes[] = {
    {WM_LBUTTONDOWN, &Win32Control::OnButtonDown},
    {WM_RBUTTONDOWN, &Win32Control::OnButtonDown},
    {WM_MBUTTONDOWN, &Win32Control::OnButtonDown},
    {WM_LBUTTONUP, &Win32Control::OnLeftButtonUp},
    {WM_LBUTTONDBLCLK, &Win32Control::OnLeftDoubleClick},
    {WM_MOUSELEAVE, &Win32Control::OnMouseLeave},
    {WM_KEYDOWN, &Win32Control::OnKeyDown},
    {WM_CHAR, &Win32Control::OnChar},
    {WM_SETFOCUS, &Win32Control::OnSetFocus},
    {WM_KILLFOCUS, &Win32Control::OnKillFocus},
    {WM_SETCURSOR, &Win32Control::OnSetCursor},
    {WM_ERASEBKGND, &Win32Control::OnEraseBackground},
    {WM_PAINT, &Win32Control::OnPaint},
};

Win32Control::Win32Control(Win32Form& form, const platform::ControlSpec& spec, HWND parent)
    : form_(form),
      id_(spec.id),
      kind_(spec.kind),
      tabIndex_(spec.tabIndex),
      graphical_(spec.graphical),
      handCursor_(spec.handCursor),
      foreColour_(spec.foreColour),
      tooltip_(spec.tooltip),
      backColour_(spec.backColour),
      bounds_(spec.bounds),
      fontSpec_(spec.font.value_or(DefaultFont())),
      wholeText_(kind_ == ControlKind::TextBox ? spec.wholeText : std::string()),
      visible_(spec.visible),
      enabled_(spec.enabled) {
  Win32Context& context = form_.Context();
  context.PrepareControls();
  const Creation creation = CreationOf(spec, context);
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | creation.style;
  if (spec.visible) style |= WS_VISIBLE;
  if (!spec.enabled) style |= WS_DISABLED;
  if (spec.tabIndex >= 0) style |= WS_TABSTOP;
  const RECT place = PixelPlace();
  const std::wstring text = kind_ == ControlKind::Icon ? std::wstring() : ToWide(spec.text);
  settingText_ = true;
  window_.Reset(CreateWindowExW(
      creation.exStyle, creation.className, text.c_str(), style, place.left, place.top,
      place.right - place.left, place.bottom - place.top, parent,
      // The control's number as its child id, for tools that look in.
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), context.instance, nullptr));
  settingText_ = false;
  if (!window_) throw platform::WindowRefused("the window system refused a new control");
  const HWND window = window_.Get();
  parent_ = parent;
  placed_ = place;

  SetFontForScale();
  if (IsTextBox()) SendMessageW(window, EM_SETLIMITTEXT, 0, 0);  // as much as the system holds
  if (kind_ == ControlKind::Icon) {
    SendMessageW(window, STM_SETICON, reinterpret_cast<WPARAM>(context.ProgramIcon()), 0);
  }
  late::SetWindowSubclass(window, &Win32Control::SubclassProc, kSubclassId,
                          reinterpret_cast<DWORD_PTR>(this));
}

Win32Control::~Win32Control() {
  if (window_) {
    late::RemoveWindowSubclass(window_.Get(), &Win32Control::SubclassProc, kSubclassId);
  }
}

void Win32Control::RaiseAboveOverlapped(
    const std::vector<std::unique_ptr<Win32Control>>& controls) {
  for (const auto& earlier : controls) {
    RECT common{};
    if (earlier.get() == this) break;
    if (earlier->parent_ == parent_ && IntersectRect(&common, &earlier->placed_, &placed_)) {
      SetWindowPos(window_.Get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      return;
    }
  }
}

bool Win32Control::IsContainer() const {
  return kind_ == ControlKind::Frame || kind_ == ControlKind::PictureBox;
}

bool Win32Control::IsTextBox() const {
  return kind_ == ControlKind::TextBox || kind_ == ControlKind::MultiLineTextBox;
}

// Check boxes and buttons report clicks only (through BN_CLICKED).
bool Win32Control::ReportsMouse() const {
  return kind_ != ControlKind::CheckBox && kind_ != ControlKind::Button;
}

void Win32Control::SetText(std::string_view text) {
  // The program's own change: no OnChange (it runs that handler itself).
  settingText_ = true;
  SetWindowTextW(window_.Get(), ToWide(text).c_str());
  settingText_ = false;
  if (IsContainer()) InvalidateRect(window_.Get(), nullptr, TRUE);
}

std::string Win32Control::Text() const { return FromWide(WindowText(window_.Get())); }

void Win32Control::SetVisible(bool visible) {
  visible_ = visible;
  const ProgramCall call(form_.Context());
  ShowWindow(window_.Get(), visible ? SW_SHOWNA : SW_HIDE);
}

bool Win32Control::Visible() const { return visible_; }

void Win32Control::SetEnabled(bool enabled) {
  enabled_ = enabled;
  const ProgramCall call(form_.Context());
  EnableWindow(window_.Get(), enabled ? TRUE : FALSE);
}

bool Win32Control::Enabled() const { return enabled_; }

void Win32Control::SetBackColour(platform::Colour colour) {
  backColour_ = colour;
  // A window not on screen yet is painted whole when it shows: asking for a
  // repaint now (a note loading with its alarm set) would only cost a round trip.
  if (IsWindowVisible(window_.Get())) InvalidateRect(window_.Get(), nullptr, TRUE);
}

platform::Colour Win32Control::BackColour() const {
  if (backColour_) return *backColour_;
  return static_cast<platform::Colour>(GetSysColor(IsTextBox() ? COLOR_WINDOW : COLOR_BTNFACE));
}

void Win32Control::SetChecked(bool checked) {
  SendMessageW(window_.Get(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32Control::Checked() const {
  return kind_ == ControlKind::CheckBox &&
         SendMessageW(window_.Get(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Control::SetSelection(int start, int length) {
  if (!IsTextBox()) return;
  const std::wstring text = WindowText(window_.Get());
  const int first = Utf16Index(text, std::max(start, 0));
  const int last = first + Utf16Index(std::wstring_view(text).substr(first), std::max(length, 0));
  SendMessageW(window_.Get(), EM_SETSEL, static_cast<WPARAM>(first), static_cast<LPARAM>(last));
}

int Win32Control::CharacterFromPoint(platform::Twips x, platform::Twips y) const {
  if (!IsTextBox()) return 0;
  const int twipsPerPixel = form_.Scale().TwipsPerPixel();
  const auto xPx = static_cast<WORD>(static_cast<SHORT>(x / twipsPerPixel));
  const auto yPx = static_cast<WORD>(static_cast<SHORT>(y / twipsPerPixel));
  const LRESULT found = SendMessageW(window_.Get(), EM_CHARFROMPOS, 0, MAKELPARAM(xPx, yPx));
  const std::wstring text = WindowText(window_.Get());
  return CharacterIndex(text, LOWORD(found));
}

void Win32Control::Focus() {
  const ProgramCall call(form_.Context());
  SetFocus(window_.Get());
}

void Win32Control::ReportCommand(WORD code) {
  switch (kind_) {
    case ControlKind::CheckBox:
    case ControlKind::Button:
      // A graphical (owner-drawn) button reports a quick second click as a
      // double click: it is a click all the same.
      if (code == BN_CLICKED || code == BN_DOUBLECLICKED) form_.Events().OnClick(id_);
      return;
    case ControlKind::TextBox:
    case ControlKind::MultiLineTextBox:
      if (code == EN_CHANGE && !settingText_) form_.Events().OnChange(id_);
      return;
    default:
      return;
  }
}

LRESULT CALLBACK Win32Control::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR, DWORD_PTR self) {
  if (message == WM_NCDESTROY) {
    late::RemoveWindowSubclass(window, &Win32Control::SubclassProc, kSubclassId);
    return late::DefSubclassProc(window, message, wParam, lParam);
  }
  auto* control = reinterpret_cast<Win32Control*>(self);
  // First, as a subclass of the tooltip's own would: a press may hide the
  // note or run a move loop before it returns.
  if (!control->tooltip_.empty()) control->form_.RelayToTooltips(window, message, wParam, lParam);
  const Message current{window, message, wParam, lParam};
  for (const Route& route : kRoutes) {
    if (route.message != message) continue;
    try {
      return (control->*route.handler)(current);
    } catch (...) {
      // No exception may unwind through the window system's frames.
      TraceCaughtError(L"a control of the program failed to handle a message; it is dropped",
                       message);
      return 0;
    }
  }
  return late::DefSubclassProc(window, message, wParam, lParam);
}

LRESULT Win32Control::Default(const Message& message) {
  return late::DefSubclassProc(message.window, message.message, message.wParam, message.lParam);
}

// The handlers below read what they need before reporting an event and touch
// the object only while the form's token says it still exists.

LRESULT Win32Control::OnButtonDown(const Message& message) {
  if (!ReportsMouse()) return Default(message);
  if (message.message == WM_LBUTTONDOWN) {
    pressed_ = true;
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, message.window, 0};
    TrackMouseEvent(&track);
  }
  const platform::MouseDown press =
      PressFromMessage(message.wParam, message.lParam, form_.Scale().TwipsPerPixel());
  const MouseShiftScope shift(form_.Context(), message.wParam);
  platform::IFormEvents& events = form_.Events();
  const std::weak_ptr<const bool> alive = form_.AliveToken();
  const int id = id_;
  if (IsTextBox()) {
    // Focus and caret first, as in any text box.
    const LRESULT result = Default(message);
    if (!alive.expired()) events.OnMouseDown(id, press);
    return result;
  }
  events.OnMouseDown(id, press);
  return alive.expired() ? 0 : Default(message);
}

LRESULT Win32Control::OnLeftButtonUp(const Message& message) {
  if (!ReportsMouse()) return Default(message);
  const bool clicked = pressed_ && InsideClient(message.window, message.lParam);
  pressed_ = false;
  const MouseShiftScope shift(form_.Context(), message.wParam);
  platform::IFormEvents& events = form_.Events();
  const std::weak_ptr<const bool> alive = form_.AliveToken();
  const int id = id_;
  const LRESULT result = Default(message);  // a text box lets the mouse go
  if (clicked && !alive.expired()) events.OnClick(id);
  return result;
}

LRESULT Win32Control::OnLeftDoubleClick(const Message& message) {
  if (!ReportsMouse()) return Default(message);
  // The second press of a double click reports no press and no click.
  pressed_ = false;
  const MouseShiftScope shift(form_.Context(), message.wParam);
  platform::IFormEvents& events = form_.Events();
  const std::weak_ptr<const bool> alive = form_.AliveToken();
  const int id = id_;
  const LRESULT result = Default(message);
  if (!alive.expired()) events.OnDblClick(id);
  return result;
}

LRESULT Win32Control::OnMouseLeave(const Message& message) {
  pressed_ = false;
  return Default(message);
}

LRESULT Win32Control::OnKeyDown(const Message& message) {
  const std::weak_ptr<const bool> alive = form_.AliveToken();
  form_.Events().OnKeyDown(id_, static_cast<int>(message.wParam), KeyShiftState());
  return alive.expired() ? 0 : Default(message);
}

LRESULT Win32Control::OnChar(const Message& message) {
  const std::weak_ptr<const bool> alive = form_.AliveToken();
  int code = static_cast<int>(message.wParam);
  form_.Events().OnKeyPress(id_, code);
  if (alive.expired() || code == 0) return 0;  // discarded
  return late::DefSubclassProc(message.window, message.message, static_cast<WPARAM>(code),
                               message.lParam);
}

LRESULT Win32Control::OnSetFocus(const Message& message) {
  const bool report = !form_.Context().InProgramCall();
  platform::IFormEvents& events = form_.Events();
  const std::weak_ptr<const bool> alive = form_.AliveToken();
  const int id = id_;
  const LRESULT result = Default(message);
  if (report && !alive.expired()) events.OnGotFocus(id);
  return result;
}

LRESULT Win32Control::OnKillFocus(const Message& message) {
  const bool report = !form_.Context().InProgramCall();
  platform::IFormEvents& events = form_.Events();
  const std::weak_ptr<const bool> alive = form_.AliveToken();
  const int id = id_;
  const LRESULT result = Default(message);
  if (report && !alive.expired()) events.OnLostFocus(id);
  return result;
}

LRESULT Win32Control::OnSetCursor(const Message& message) {
  if (handCursor_ && LOWORD(message.lParam) == HTCLIENT) {
    SetCursor(LoadCursorW(nullptr, IDC_HAND));
    return TRUE;
  }
  return Default(message);
}

}  // namespace zlt::win32
