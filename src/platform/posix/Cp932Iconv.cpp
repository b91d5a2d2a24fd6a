// Strict code page 932 through glibc iconv. "CP932" is Windows' table; glibc's
// "SHIFT_JIS" maps 0x5C to the yen sign and must never be used here.
#include <errno.h>
#include <iconv.h>

#include <utility>

#include "platform/Cp932Backend.h"

namespace zlt::platform::cp932 {
namespace {

class IconvDescriptor {
 public:
  IconvDescriptor(const char* to, const char* from) : cd_(::iconv_open(to, from)) {}
  ~IconvDescriptor() {
    if (valid()) ::iconv_close(cd_);
  }
  IconvDescriptor(IconvDescriptor&& other) noexcept : cd_(std::exchange(other.cd_, Invalid())) {}
  IconvDescriptor& operator=(IconvDescriptor&& other) noexcept {
    if (this != &other) {
      if (valid()) ::iconv_close(cd_);
      cd_ = std::exchange(other.cd_, Invalid());
    }
    return *this;
  }
  IconvDescriptor(const IconvDescriptor&) = delete;
  IconvDescriptor& operator=(const IconvDescriptor&) = delete;

  bool valid() const { return cd_ != Invalid(); }
  iconv_t get() const { return cd_; }

 private:
  // iconv_open's documented failure value.
  static iconv_t Invalid() {
    return reinterpret_cast<iconv_t>(-1);  // NOLINT(performance-no-int-to-ptr)
  }
  iconv_t cd_;
};

std::optional<std::string> Convert(const IconvDescriptor& cd, std::string_view input) {
  if (input.empty()) return std::string();
  if (!cd.valid()) return std::nullopt;
  // A conversion refused half way leaves the descriptor mid-character.
  ::iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
  std::string output(input.size() * 2 + 16, '\0');
  char* in = const_cast<char*>(input.data());  // iconv never writes through it
  std::size_t inLeft = input.size();
  std::size_t written = 0;
  while (inLeft > 0) {
    char* out = output.data() + written;
    std::size_t outLeft = output.size() - written;
    const std::size_t result = ::iconv(cd.get(), &in, &inLeft, &out, &outLeft);
    written = output.size() - outLeft;
    if (result != static_cast<std::size_t>(-1)) break;
    if (errno != E2BIG) return std::nullopt;  // EILSEQ or EINVAL: not convertible
    output.resize(output.size() * 2);
  }
  output.resize(written);
  return output;
}

}  // namespace

// Opening a descriptor costs more than converting a whole note file, and a
// note file takes several conversions: each thread keeps one per direction.
std::optional<std::string> DecodeStrict(std::string_view bytes) {
  thread_local const IconvDescriptor decoder("UTF-8", "CP932");
  return Convert(decoder, bytes);
}

std::optional<std::string> EncodeStrict(std::string_view utf8) {
  thread_local const IconvDescriptor encoder("CP932", "UTF-8");
  return Convert(encoder, utf8);
}

}  // namespace zlt::platform::cp932
