// click, shiftdrag, type, key: input injected with SendInput, as if from the
// real mouse and keyboard, so it takes the system's own routes to the program.
#include <windows.h>

#include <cwchar>
#include <vector>

#include "Commands.h"
#include "Text.h"

namespace zlt::probe {
namespace {

// Enough time for the target's move loop to take each step.
constexpr DWORD kDragStepMs = 20;
constexpr int kDragSteps = 10;
constexpr DWORD kSettleMs = 100;

struct VirtualScreen {
  int left, top, width, height;
};

VirtualScreen CurrentVirtualScreen() {
  return {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
          GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

// Absolute input is given in 1/65536 of the virtual screen; rounding up makes
// the system's own rounding down land on the very pixel asked for.
LONG Normalise(int pixel, int origin, int extent) {
  if (extent <= 0) return 0;
  const long long offset = static_cast<long long>(pixel) - origin;
  return static_cast<LONG>((offset * 65536 + extent - 1) / extent);
}

INPUT MouseInput(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

INPUT MoveTo(int x, int y) {
  const VirtualScreen screen = CurrentVirtualScreen();
  INPUT input = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK);
  input.mi.dx = Normalise(x, screen.left, screen.width);
  input.mi.dy = Normalise(y, screen.top, screen.height);
  return input;
}

bool IsExtendedKey(WORD key) {
  switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_INSERT:
    case VK_DELETE:
      return true;
    default:
      return false;
  }
}

INPUT KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (IsExtendedKey(key) ? KEYEVENTF_EXTENDEDKEY : 0);
  return input;
}

bool Send(std::vector<INPUT> inputs) {
  return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

std::optional<int> ParseCoordinate(const std::wstring& text) {
  const auto value = ParseInteger(text);
  if (!value || *value < -100000 || *value > 100000) return std::nullopt;
  return static_cast<int>(*value);
}

struct NamedKey {
  const wchar_t* name;
  WORD key;
};

constexpr NamedKey kNamedKeys[] = {
    {L"enter", VK_RETURN}, {L"return", VK_RETURN}, {L"esc", VK_ESCAPE},  {L"escape", VK_ESCAPE},
    {L"tab", VK_TAB},      {L"space", VK_SPACE},   {L"back", VK_BACK},   {L"delete", VK_DELETE},
    {L"up", VK_UP},        {L"down", VK_DOWN},     {L"left", VK_LEFT},   {L"right", VK_RIGHT},
    {L"home", VK_HOME},    {L"end", VK_END},       {L"shift", VK_SHIFT}, {L"f10", VK_F10},
};

std::optional<WORD> ParseKey(const std::wstring& text) {
  for (const NamedKey& named : kNamedKeys) {
    if (_wcsicmp(named.name, text.c_str()) == 0) return named.key;
  }
  const auto value = ParseInteger(text);
  if (!value || *value <= 0 || *value > 0xFE) return std::nullopt;
  return static_cast<WORD>(*value);
}

}  // namespace

int ClickCommand(const Args& args) {
  if (args.size() != 2 && args.size() != 3) return kUsage;
  const auto x = ParseCoordinate(args[0]);
  const auto y = ParseCoordinate(args[1]);
  const std::wstring kind = args.size() == 3 ? args[2] : L"left";
  if (!x || !y) return kUsage;
  if (kind == L"shift") {
    // As in ShiftDragCommand: Shift only once the pointer has arrived.
    bool sent = Send({MoveTo(*x, *y)});
    Sleep(kSettleMs);
    sent = Send({KeyInput(VK_SHIFT, false), MouseInput(MOUSEEVENTF_LEFTDOWN),
                 MouseInput(MOUSEEVENTF_LEFTUP), KeyInput(VK_SHIFT, true)}) &&
           sent;
    return sent ? kOk : kFailed;
  }
  std::vector<INPUT> inputs{MoveTo(*x, *y)};
  if (kind == L"left" || kind == L"double") {
    inputs.push_back(MouseInput(MOUSEEVENTF_LEFTDOWN));
    inputs.push_back(MouseInput(MOUSEEVENTF_LEFTUP));
    if (kind == L"double") {
      inputs.push_back(MouseInput(MOUSEEVENTF_LEFTDOWN));
      inputs.push_back(MouseInput(MOUSEEVENTF_LEFTUP));
    }
  } else if (kind == L"right") {
    inputs.push_back(MouseInput(MOUSEEVENTF_RIGHTDOWN));
    inputs.push_back(MouseInput(MOUSEEVENTF_RIGHTUP));
  } else {
    return kUsage;
  }
  return Send(std::move(inputs)) ? kOk : kFailed;
}

int ShiftDragCommand(const Args& args) {
  if (args.size() != 4) return kUsage;
  int points[4];
  for (size_t i = 0; i < 4; ++i) {
    const auto value = ParseCoordinate(args[i]);
    if (!value) return kUsage;
    points[i] = *value;
  }
  const auto [x1, y1, x2, y2] = points;
  // The pointer goes first and Shift only after a pause: under Wine the
  // pointer's arrival makes the target re-read the X keyboard state, which
  // would drop a Shift pressed before it.
  bool sent = Send({MoveTo(x1, y1)});
  Sleep(kSettleMs);
  sent = Send({KeyInput(VK_SHIFT, false), MouseInput(MOUSEEVENTF_LEFTDOWN)}) && sent;
  // In steps, with pauses: a move loop started by the press must see the
  // pointer travel, not jump.
  for (int step = 1; step <= kDragSteps; ++step) {
    Sleep(kDragStepMs);
    sent = Send({MoveTo(x1 + (x2 - x1) * step / kDragSteps, y1 + (y2 - y1) * step / kDragSteps)}) &&
           sent;
  }
  Sleep(kDragStepMs);
  sent = Send({MouseInput(MOUSEEVENTF_LEFTUP), KeyInput(VK_SHIFT, true)}) && sent;
  return sent ? kOk : kFailed;
}

int TypeCommand(const Args& args) {
  if (args.size() != 1) return kUsage;
  std::vector<INPUT> inputs;
  for (wchar_t unit : args[0]) {
    for (bool up : {false, true}) {
      INPUT input{};
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = unit;
      input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
      inputs.push_back(input);
    }
  }
  return inputs.empty() || Send(std::move(inputs)) ? kOk : kFailed;
}

int KeyCommand(const Args& args) {
  if (args.empty() || args.size() > 2 || (args.size() == 2 && args[1] != L"shift")) return kUsage;
  const auto key = ParseKey(args[0]);
  if (!key) return kUsage;
  const bool shift = args.size() == 2;
  std::vector<INPUT> inputs;
  if (shift) inputs.push_back(KeyInput(VK_SHIFT, false));
  inputs.push_back(KeyInput(*key, false));
  inputs.push_back(KeyInput(*key, true));
  if (shift) inputs.push_back(KeyInput(VK_SHIFT, true));
  return Send(std::move(inputs)) ? kOk : kFailed;
}

}  // namespace zlt::probe
