#include "Win32InstanceChannel.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "Win32Text.h"

namespace zlt::win32 {
namespace {

// "Local\" keeps the claim per logon session, as the instance test wants:
// another user's running copy does not make this one a second instance.
constexpr wchar_t kClaimName[] = L"Local\\ZLTFusen.Instance";

constexpr DWORD kPollIntervalMs = 25;

// Long enough for any command the first instance runs (opening many notes),
// short enough that a hung first instance cannot keep the host waiting forever.
constexpr UINT kSendTimeoutMs = 60'000;

}  // namespace

bool Win32InstanceChannel::ClaimFirstInstance() {
  if (claim_) return true;
  KernelHandle mutex(CreateMutexW(nullptr, TRUE, kClaimName));
  if (!mutex || GetLastError() == ERROR_ALREADY_EXISTS) {
    // Our handle is dropped here: keeping it would keep the name alive after
    // the first instance ends, and the next start would wrongly defer.
    return false;
  }
  claim_ = OwnedMutex(mutex.Release());
  return true;
}

platform::WindowHandle Win32InstanceChannel::WaitForWindow(std::string_view caption,
                                                           std::chrono::milliseconds timeout) {
  if (caption.find('\0') != std::string_view::npos) return platform::kNoWindow;
  const std::wstring wide = ToWide(caption);
  const ULONGLONG start = GetTickCount64();
  const ULONGLONG limit = timeout.count() > 0 ? static_cast<ULONGLONG>(timeout.count()) : 0;
  for (;;) {
    if (HWND found = FindWindowW(nullptr, wide.c_str())) {
      return reinterpret_cast<platform::WindowHandle>(found);
    }
    const ULONGLONG elapsed = GetTickCount64() - start;
    if (elapsed >= limit) return platform::kNoWindow;
    Sleep(static_cast<DWORD>(std::min<ULONGLONG>(kPollIntervalMs, limit - elapsed)));
  }
}

bool Win32InstanceChannel::SendCopyData(platform::WindowHandle target,
                                        platform::WindowHandle sender, std::string_view bytes) {
  if (target == platform::kNoWindow || bytes.size() > MAXDWORD) return false;
  COPYDATASTRUCT data{};
  data.dwData = 0;
  data.cbData = static_cast<DWORD>(bytes.size());
  // The receiver only reads; the system copies the bytes into its process.
  data.lpData = bytes.empty() ? nullptr : const_cast<char*>(bytes.data());
  DWORD_PTR answer = 0;
  return SendMessageTimeoutW(reinterpret_cast<HWND>(target), WM_COPYDATA,
                             static_cast<WPARAM>(sender), reinterpret_cast<LPARAM>(&data),
                             SMTO_NORMAL, kSendTimeoutMs, &answer) != 0;
}

}  // namespace zlt::win32
