// Strict code page 932 through the system's own table. Both flags matter:
// without MB_ERR_INVALID_CHARS bad bytes decode silently, without
// WC_NO_BEST_FIT_CHARS some characters turn into look-alikes.
#include <windows.h>

#include <climits>

#include "platform/Cp932Backend.h"

namespace zlt::platform::cp932 {
namespace {

constexpr UINT kCp932 = 932;

std::optional<std::wstring> ToWide(UINT codePage, std::string_view bytes) {
  if (bytes.empty()) return std::wstring();
  if (bytes.size() > INT_MAX) return std::nullopt;  // the caller splits and retries
  const int size = static_cast<int>(bytes.size());
  const int needed =
      ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (needed <= 0) return std::nullopt;
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  if (::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(),
                            needed) != needed) {
    return std::nullopt;
  }
  return wide;
}

std::optional<std::string> FromWide(UINT codePage, const std::wstring& wide) {
  if (wide.empty()) return std::string();
  if (wide.size() > INT_MAX) return std::nullopt;
  const int size = static_cast<int>(wide.size());
  // CP_UTF8 refuses lpUsedDefaultChar and WC_NO_BEST_FIT_CHARS; lone
  // surrogates are rejected through WC_ERR_INVALID_CHARS instead.
  const bool utf8 = codePage == CP_UTF8;
  const DWORD flags = utf8 ? WC_ERR_INVALID_CHARS : WC_NO_BEST_FIT_CHARS;
  BOOL usedDefault = FALSE;
  BOOL* usedDefaultOut = utf8 ? nullptr : &usedDefault;
  const int needed = ::WideCharToMultiByte(codePage, flags, wide.data(), size, nullptr, 0, nullptr,
                                           usedDefaultOut);
  if (needed <= 0 || usedDefault) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(needed), '\0');
  if (::WideCharToMultiByte(codePage, flags, wide.data(), size, bytes.data(), needed, nullptr,
                            usedDefaultOut) != needed ||
      usedDefault) {
    return std::nullopt;
  }
  return bytes;
}

}  // namespace

std::optional<std::string> DecodeStrict(std::string_view bytes) {
  const auto wide = ToWide(kCp932, bytes);
  if (!wide) return std::nullopt;
  return FromWide(CP_UTF8, *wide);
}

std::optional<std::string> EncodeStrict(std::string_view utf8) {
  const auto wide = ToWide(CP_UTF8, utf8);
  if (!wide) return std::nullopt;
  return FromWide(kCp932, *wide);
}

}  // namespace zlt::platform::cp932
