// One control of a form: a real Win32 control (or a box of our own class for
// frames and picture boxes), subclassed so presses, clicks, keys and focus
// changes reach the form's events with the control's id.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Handles.h"
#include "platform/Controls.h"

namespace zlt::win32 {

class Win32Form;

class Win32Control final : public platform::IControl {
 public:
  // parent is the form's window or the window of the container holding it.
  Win32Control(Win32Form& form, const platform::ControlSpec& spec, HWND parent);
  ~Win32Control() override;
  Win32Control(const Win32Control&) = delete;
  Win32Control& operator=(const Win32Control&) = delete;

  void SetText(std::string_view text) override;
  std::string Text() const override;
  void SetVisible(bool visible) override;
  bool Visible() const override;
  void SetEnabled(bool enabled) override;
  bool Enabled() const override;
  void SetBackColour(platform::Colour colour) override;
  platform::Colour BackColour() const override;
  void SetChecked(bool checked) override;
  bool Checked() const override;
  void SetSelection(int start, int length) override;
  int CharacterFromPoint(platform::Twips x, platform::Twips y) const override;
  void Focus() override;

  int Id() const { return id_; }
  int TabIndex() const { return tabIndex_; }
  platform::ControlKind Kind() const { return kind_; }
  bool IsContainer() const;
  HWND Handle() const { return window_.Get(); }
  // A control made later lies above those made before it (the date picker
  // must cover the details text), but the system puts a new control beneath
  // its siblings. Controls never move, so only one that overlaps a sibling
  // made before it is raised: most controls, among them both of every
  // collapsed note, save the call.
  void RaiseAboveOverlapped(const std::vector<std::unique_ptr<Win32Control>>& controls);
  const std::string& Tooltip() const { return tooltip_; }
  // The form took another DPI: the control is placed anew from its twips and
  // takes its font at the new size.
  void Rescale();

  // Notifications the form received for this control (WM_COMMAND, WM_CTLCOLOR*,
  // WM_DRAWITEM). ReportCommand may run a handler that destroys the form: the
  // caller touches nothing afterwards.
  void ReportCommand(WORD code);
  HBRUSH PrepareColours(HDC dc);
  void DrawGraphicalButton(const DRAWITEMSTRUCT& item);

 private:
  // Makes the whole of text (the box's widest) show: no inner margins, and the
  // face stepped down while it is still too wide for the box.
  void FitWholeText(platform::FontSpec font, const std::wstring& text);
  // Where the control stands in its container at the form's scale now.
  RECT PixelPlace() const;
  // The control's font at the form's DPI, fitted to its whole text if it has one.
  void SetFontForScale();

  HWND parent_ = nullptr;
  RECT placed_{};
  struct Message {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  using Handler = LRESULT (Win32Control::*)(const Message&);
  struct Route {
    UINT message;
    Handler handler;
  };
  static const Route kRoutes[];

  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR subclassId, DWORD_PTR self);
  static LRESULT Default(const Message& message);

  LRESULT OnButtonDown(const Message& message);
  LRESULT OnLeftButtonUp(const Message& message);
  LRESULT OnLeftDoubleClick(const Message& message);
  LRESULT OnMouseLeave(const Message& message);
  LRESULT OnKeyDown(const Message& message);
  LRESULT OnChar(const Message& message);
  LRESULT OnSetFocus(const Message& message);
  LRESULT OnKillFocus(const Message& message);
  LRESULT OnSetCursor(const Message& message);
  LRESULT OnEraseBackground(const Message& message);
  LRESULT OnPaint(const Message& message);

  bool IsTextBox() const;
  bool ReportsMouse() const;
  platform::Colour TextColour() const;
  void PaintFrame(HDC dc);

  Win32Form& form_;
  const int id_;
  const platform::ControlKind kind_;
  const int tabIndex_;
  const bool graphical_;
  const bool handCursor_;
  const std::optional<platform::Colour> foreColour_;
  const std::string tooltip_;
  std::optional<platform::Colour> backColour_;
  const platform::TwipsRect bounds_;  // in its container, at the form's own scale
  const platform::FontSpec fontSpec_;
  const std::string wholeText_;
  HFONT font_ = nullptr;  // owned by the font cache
  bool visible_;
  bool enabled_;
  bool pressed_ = false;      // a left press began on this control
  bool settingText_ = false;  // the program is setting the text: no OnChange
  UniqueWindow window_;
};

}  // namespace zlt::win32
