// The desktop's virtual time: a monotonic tick count for timers and a local
// calendar time that moves with it. Nothing here reads the real clock.
#pragma once

#include <chrono>
#include <cstdint>

#include "platform/System.h"

namespace zlt::sim {

// Milliseconds since 1970-01-01 00:00:00 local time, and back. Out-of-range
// fields are carried over (the 32nd of a month is the 1st of the next); the
// weekday given is ignored and computed.
std::int64_t ToLocalMilliseconds(const platform::LocalTime& time);
platform::LocalTime FromLocalMilliseconds(std::int64_t milliseconds);

class VirtualClock {
 public:
  explicit VirtualClock(const platform::LocalTime& start);

  // Milliseconds since the clock was made; only ever grows.
  std::int64_t Ticks() const { return ticks_; }
  void AdvanceTo(std::int64_t ticks);

  platform::LocalTime Now() const;
  // Sets the calendar time; the tick count does not jump.
  void SetNow(const platform::LocalTime& time);

 private:
  std::int64_t ticks_ = 0;
  std::int64_t localAtTickZero_ = 0;
};

}  // namespace zlt::sim
