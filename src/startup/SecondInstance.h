// A second start hands its command to the running program and ends.
#pragma once

#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace zlt {

// How long a second start waits for a first one that is still starting.
inline constexpr int kFirstInstanceWaitMs = 5000;

// The bytes a second start sends for its command line: the line without
// quote characters, in code page 932, with one closing NUL.
std::string ForwardPayload(std::string_view commandLine);

[[noreturn]] void RunSecondInstance(platform::Platform& platform);

}  // namespace zlt
