// Puts a value back when a scope ends, however it ends (an instance that
// ends its process unwinds through handlers).
#pragma once

#include <utility>

namespace zlt::platform {

template <typename T>
class ResetOnExit {
 public:
  ResetOnExit(T& value, T restored) : value_(value), restored_(std::move(restored)) {}
  ~ResetOnExit() { value_ = std::move(restored_); }
  ResetOnExit(const ResetOnExit&) = delete;
  ResetOnExit& operator=(const ResetOnExit&) = delete;

 private:
  T& value_;
  T restored_;
};

}  // namespace zlt::platform
