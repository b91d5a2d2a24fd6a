// The desktop's virtual time: timers, clock changes and sleep.
#include <algorithm>
#include <vector>

#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimInstance.h"

namespace zlt::sim {
namespace {

// The shortest interval the window system allows (USER_TIMER_MINIMUM).
constexpr int kShortestTimerMs = 10;

}  // namespace

void Desktop::Advance(std::chrono::milliseconds duration) {
  const std::int64_t target = clock_.Ticks() + std::max<std::int64_t>(0, duration.count());
  while (!ticks_.empty() && ticks_.top().due <= target) {
    const QueuedTick tick = ticks_.top();
    ticks_.pop();
    const auto found = timers_.find({tick.handle, tick.timerId});
    if (found == timers_.end() || found->second.generation != tick.generation) continue;
    Timer& timer = found->second;
    clock_.AdvanceTo(tick.due);
    // Scheduled before the handler runs: the handler may stop or restart it,
    // or destroy the whole form.
    timer.due = tick.due + timer.intervalMs;
    ticks_.push({timer.due, timer.order, tick.handle, tick.timerId, timer.generation});
    const int timerId = tick.timerId;
    DeliverTo(tick.handle, [timerId](platform::IFormEvents& events) { events.OnTimer(timerId); });
  }
  clock_.AdvanceTo(target);
}

void Desktop::StartTimer(const SimForm& form, int timerId, int intervalMs) {
  if (form.owner_ != nullptr && form.owner_->ended_) return;
  Timer& timer = timers_[{form.handle_, timerId}];
  timer.intervalMs = std::max(intervalMs, kShortestTimerMs);
  timer.due = clock_.Ticks() + timer.intervalMs;
  timer.order = nextTimerOrder_++;
  timer.generation = ++nextTimerGeneration_;
  ticks_.push({timer.due, timer.order, form.handle_, timerId, timer.generation});
}

void Desktop::StopTimer(const SimForm& form, int timerId) {
  timers_.erase({form.handle_, timerId});
}

std::optional<int> Desktop::TimerInterval(const SimForm& form, int timerId) const {
  const auto found = timers_.find({form.handle_, timerId});
  if (found == timers_.end()) return std::nullopt;
  return found->second.intervalMs;
}

void Desktop::SetClock(platform::LocalTime time) {
  clock_.SetNow(time);
  ReportClockChange();
}

void Desktop::SleepFor(std::chrono::milliseconds duration) {
  // Asleep, no timer runs: the calendar moves on, the tick count does not.
  const auto now = ToLocalMilliseconds(clock_.Now());
  clock_.SetNow(FromLocalMilliseconds(now + std::max<std::int64_t>(0, duration.count())));
  ReportClockChange();
}

void Desktop::ReportClockChange() {
  // Taken first: a handler may open or close windows.
  std::vector<platform::WindowHandle> handles;
  for (const auto& [handle, form] : forms_) handles.push_back(handle);
  for (const auto handle : handles) {
    DeliverTo(handle, [](platform::IFormEvents& events) { events.OnClockChanged(); });
  }
}

}  // namespace zlt::sim
