// A top-level window of the program. One window procedure serves every form:
// it finds the object bound to the window and hands each message to a named
// handler through a small table.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "Handles.h"
#include "Win32Context.h"
#include "Win32Control.h"
#include "platform/Form.h"

namespace zlt::win32 {

class Win32Form final : public platform::IForm {
 public:
  Win32Form(Win32Context& context, const platform::FormSpec& spec, platform::IFormEvents& events);
  ~Win32Form() override;
  Win32Form(const Win32Form&) = delete;
  Win32Form& operator=(const Win32Form&) = delete;

  // The form class's window procedure (registered by the window system).
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // The form object of one of our windows, or null.
  static Win32Form* FromHandle(HWND window, const Win32Context& context);

  platform::WindowHandle Handle() const override;
  Win32Control& AddControl(const platform::ControlSpec& spec) override;
  bool HasControl(int id) const override;
  Win32Control& Control(int id) override;
  void SetCaption(std::string_view caption) override;
  std::string Caption() const override;
  platform::TwipsRect Bounds() const override;
  void SetBounds(const platform::TwipsRect& bounds) override;
  platform::FormScale Scale() const override;
  void SetVisible(bool visible) override;
  bool Visible() const override;
  void SetEnabled(bool enabled) override;
  void Activate() override;
  void Refresh() override;
  void SetTopmost(bool topmost) override;
  void SetLayeredAlpha(std::optional<std::uint8_t> alpha) override;
  void SetRoundRegion(int widthPx, int heightPx, int ellipsePx) override;
  void StartTimer(int timerId, int intervalMs) override;
  void StopTimer(int timerId) override;
  bool TimerRunning(int timerId) const override;
  void RunSystemMove() override;

  // For the controls: where events go, and a token that expires with the form,
  // so code running after a handler can tell whether the form still exists.
  platform::IFormEvents& Events() { return events_; }
  std::weak_ptr<const bool> AliveToken() const { return alive_; }
  Win32Context& Context() { return context_; }
  HWND Window() const { return window_.Get(); }
  platform::Colour BackColour() const;

  // Tab and Shift+Tab: focus to the next or previous tab stop by tab index.
  // False when the form has no tab stop to go to.
  bool MoveFocusByTab(bool backwards);

  // A control's mouse message, handed on to the tooltip window so its tip
  // shows and hides (the mouse messages only; anything else is ignored).
  void RelayToTooltips(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  struct Message {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };
  // A handler's result, or nullopt for the default window procedure.
  using Handler = std::optional<LRESULT> (Win32Form::*)(const Message&);
  struct Route {
    UINT message;
    Handler handler;
  };
  static const Route kRoutes[];

  std::optional<LRESULT> OnClose(const Message& message);
  std::optional<LRESULT> OnQueryEndSession(const Message& message);
  std::optional<LRESULT> OnEndSession(const Message& message);
  std::optional<LRESULT> OnActivateMessage(const Message& message);
  std::optional<LRESULT> OnCopyData(const Message& message);
  std::optional<LRESULT> OnTimerMessage(const Message& message);
  std::optional<LRESULT> OnClockMessage(const Message& message);
  std::optional<LRESULT> OnDisplayChange(const Message& message);
  std::optional<LRESULT> OnButtonDown(const Message& message);
  std::optional<LRESULT> OnCommand(const Message& message);
  std::optional<LRESULT> OnControlColour(const Message& message);
  std::optional<LRESULT> OnMeasureItem(const Message& message);
  std::optional<LRESULT> OnDrawItem(const Message& message);
  std::optional<LRESULT> OnEraseBackground(const Message& message);
  std::optional<LRESULT> OnMove(const Message& message);
  std::optional<LRESULT> OnDpiChanged(const Message& message);

  Win32Control* ControlByWindow(HWND window) const;
  void AddTooltip(const Win32Control& control);
  void RemoveTooltips();
  // Hides the shared tooltip window when it shows the tip of one of this
  // form's controls.
  void HideOwnTooltip();

  Win32Context& context_;
  platform::IFormEvents& events_;
  const platform::FormStyle style_;
  const std::optional<platform::Colour> backColour_;
  int dpi_;  // the window's own: that of the monitor it stands on
  std::shared_ptr<const bool> alive_ = std::make_shared<const bool>(true);
  std::set<int> timers_;
  HWND lastFocus_ = nullptr;  // restored when the form is activated again
  std::vector<std::unique_ptr<Win32Control>> controls_;  // in creation order
  std::unordered_map<int, Win32Control*> controlsById_;
  std::unordered_map<HWND, Win32Control*> controlsByWindow_;
  std::vector<HWND> tooledControls_;  // this form's tools in the shared tooltip window
  UniqueWindow window_;
};

}  // namespace zlt::win32
