// copydata, close, post-close, end-session, settext: messages a test sends to
// the program as the host or the system would.
#include <cwchar>

#include "Commands.h"
#include "Output.h"
#include "Text.h"
#include "WindowQueries.h"

namespace zlt::probe {
namespace {

HWND FirstCaptioned(const std::wstring& caption) {
  const auto found = WindowsCaptioned(caption, false);
  return found.empty() ? nullptr : found.front();
}

// The payload argument: "-" sends no data at all (cbData 0, lpData null),
// "@text" the text in code page 932 with one NUL as the host's sender does,
// "*count" that many bytes of 'x' (too many for a command line as hex),
// anything else hex bytes exactly (an empty string: cbData 0, lpData set).
struct Payload {
  std::string bytes;
  bool null = false;
};

std::optional<Payload> ParsePayload(const std::wstring& argument) {
  if (argument == L"-") return Payload{{}, true};
  if (!argument.empty() && argument.front() == L'*') {
    const auto count = ParseInteger(std::wstring_view(argument).substr(1));
    if (!count || *count < 0 || *count > (1LL << 30)) return std::nullopt;
    return Payload{std::string(static_cast<std::size_t>(*count), 'x'), false};
  }
  if (!argument.empty() && argument.front() == L'@') {
    auto bytes = ToCp932(std::wstring_view(argument).substr(1));
    if (!bytes) return std::nullopt;
    bytes->push_back('\0');
    return Payload{*bytes, false};
  }
  auto bytes = ParseHexBytes(argument);
  if (!bytes) return std::nullopt;
  return Payload{*bytes, false};
}

}  // namespace

int CopyDataCommand(const Args& args) {
  if (args.size() != 2) return kUsage;
  auto payload = ParsePayload(args[1]);
  if (!payload) {
    PrintError(L"payload: hex bytes, -, @text (code page 932) or *count");
    return kUsage;
  }
  const HWND target = FirstCaptioned(args[0]);
  if (target == nullptr) return kFailed;
  char spare = 0;
  COPYDATASTRUCT data{};
  data.cbData = static_cast<DWORD>(payload->bytes.size());
  data.lpData = payload->null ? nullptr : payload->bytes.empty() ? &spare : payload->bytes.data();
  // Sent like the program's own second start: the probe waits for the answer.
  const LRESULT result = SendMessageW(target, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
  PrintLine(Number(result));
  return kOk;
}

int CloseCommand(const Args& args) {
  if (args.size() != 1) return kUsage;
  const HWND target = FirstCaptioned(args[0]);
  if (target == nullptr) return kFailed;
  PrintLine(Number(SendMessageW(target, WM_CLOSE, 0, 0)));
  return kOk;
}

int PostCloseCommand(const Args& args) {
  if (args.size() != 1) return kUsage;
  const HWND target = FirstCaptioned(args[0]);
  if (target == nullptr) return kFailed;
  return PostMessageW(target, WM_CLOSE, 0, 0) ? kOk : kFailed;
}

int EndSessionCommand(const Args& args) {
  if (args.size() != 1) return kUsage;
  const HWND target = FirstCaptioned(args[0]);
  if (target == nullptr) return kFailed;
  const LRESULT mayEnd = SendMessageW(target, WM_QUERYENDSESSION, 0, 0);
  const LRESULT ended = SendMessageW(target, WM_ENDSESSION, TRUE, 0);
  PrintFields({Number(mayEnd), Number(ended)});
  return kOk;
}

int SetTextCommand(const Args& args) {
  if (args.size() != 4) return kUsage;
  const auto index = ParseInteger(args[2]);
  if (!index || *index < 0) return kUsage;
  const HWND top = FirstCaptioned(args[0]);
  if (top == nullptr) return kFailed;
  long long seen = 0;
  for (HWND child : ChildWindows(top)) {
    if (_wcsicmp(ClassOf(child).c_str(), args[1].c_str()) != 0) continue;
    if (seen++ != *index) continue;
    PrintLine(
        Number(SendMessageW(child, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args[3].c_str()))));
    return kOk;
  }
  return kFailed;
}

}  // namespace zlt::probe
