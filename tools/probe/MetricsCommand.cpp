// metrics: the screen as the program sees it, to turn twips into pixels in tests.
#include "Commands.h"
#include "Output.h"
#include "Text.h"
#include "WindowQueries.h"

namespace zlt::probe {
namespace {

constexpr int kTwipsPerInch = 1440;

std::vector<std::wstring> RectFields(const RECT& box) {
  return {Number(box.left), Number(box.top), Number(box.right), Number(box.bottom)};
}

// The screen's device context, given back on every path.
class ScreenDc {
 public:
  ScreenDc() : dc_(GetDC(nullptr)) {}
  ScreenDc(const ScreenDc&) = delete;
  ScreenDc& operator=(const ScreenDc&) = delete;
  ~ScreenDc() {
    if (dc_ != nullptr) ReleaseDC(nullptr, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

BOOL CALLBACK ReportMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM index) {
  MONITORINFOEXW info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info)) return TRUE;
  std::vector<std::wstring> fields{L"monitor", Number((*reinterpret_cast<int*>(index))++)};
  for (auto& field : RectFields(info.rcMonitor)) fields.push_back(field);
  for (auto& field : RectFields(info.rcWork)) fields.push_back(field);
  fields.push_back(Flag(info.dwFlags & MONITORINFOF_PRIMARY));
  fields.push_back(EscapeField(info.szDevice));
  PrintFields(fields);
  return TRUE;
}

}  // namespace

int MetricsCommand(const Args& args) {
  if (!args.empty()) return kUsage;
  const ScreenDc screen;
  const int dpi = screen.Get() == nullptr ? 0 : GetDeviceCaps(screen.Get(), LOGPIXELSX);
  PrintFields(
      {L"screen", Number(GetSystemMetrics(SM_CXSCREEN)), Number(GetSystemMetrics(SM_CYSCREEN))});
  PrintFields({L"dpi", Number(dpi)});
  PrintFields({L"twips-per-pixel", dpi > 0 ? Number(kTwipsPerInch / dpi) : L"-"});
  PrintFields({L"virtual", Number(GetSystemMetrics(SM_XVIRTUALSCREEN)),
               Number(GetSystemMetrics(SM_YVIRTUALSCREEN)),
               Number(GetSystemMetrics(SM_CXVIRTUALSCREEN)),
               Number(GetSystemMetrics(SM_CYVIRTUALSCREEN))});
  int index = 0;
  EnumDisplayMonitors(nullptr, nullptr, ReportMonitor, reinterpret_cast<LPARAM>(&index));
  return kOk;
}

}  // namespace zlt::probe
