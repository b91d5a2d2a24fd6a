// libFuzzer target: any bytes as a command line and as a forwarded payload.
// Besides not crashing, it checks what the start-up and the forwarding rely on.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "startup/CommandSwitch.h"
#include "startup/SecondInstance.h"
#include "state/Text.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

// The bytes as a payload forwarded by any program.
void CheckPayload(std::string_view bytes) {
  const zlt::Switch command = zlt::ForwardedSwitch(bytes);
  // A switch is named by exactly its text.
  Require((command == zlt::Switch::None) == zlt::SwitchText(command).empty());
  // Only the text before the first NUL counts.
  Require(command == zlt::ForwardedSwitch(zlt::TrimNull(bytes)));
}

// The bytes as the command line of a start (the environment hands it over as UTF-8).
void CheckCommandLine(std::string_view line) {
  const std::string stripped = zlt::StripQuotes(line);
  Require(stripped.find('"') == std::string::npos);
  Require(zlt::TrimBlanks(stripped) == stripped);
  Require(zlt::StripQuotes(stripped) == stripped);
  if (line.find('"') == std::string_view::npos) Require(stripped == zlt::TrimBlanks(line));

  const std::string payload = zlt::ForwardPayload(line);
  Require(!payload.empty() && payload.back() == '\0');
  // A second start forwards what a first start with the same line would run.
  const zlt::Switch startup = zlt::StartupSwitch(line);
  if (startup != zlt::Switch::None) {
    Require(zlt::SwitchText(startup) == zlt::TrimBlanks(line));
    Require(zlt::ForwardedSwitch(payload) == startup);
  }
  CheckPayload(payload);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  CheckPayload(bytes);
  CheckCommandLine(bytes);
  return 0;
}
