// Move-only owners of kernel objects: each releases with the one call its
// kind needs, so no path can leak a handle or free it twice.
#pragma once

#include <windows.h>

#include <utility>

namespace zlt::win32 {

// A handle released with CloseHandle. Both "no handle" values of the API
// (NULL from CreateMutexW, INVALID_HANDLE_VALUE from CreateFileW) count as empty.
class KernelHandle {
 public:
  KernelHandle() = default;
  explicit KernelHandle(HANDLE handle) : handle_(IsEmpty(handle) ? nullptr : handle) {}
  KernelHandle(const KernelHandle&) = delete;
  KernelHandle& operator=(const KernelHandle&) = delete;
  KernelHandle(KernelHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  KernelHandle& operator=(KernelHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  ~KernelHandle() { Reset(); }

  HANDLE Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset() {
    if (handle_ != nullptr) CloseHandle(std::exchange(handle_, nullptr));
  }

 private:
  static bool IsEmpty(HANDLE handle) { return handle == nullptr || handle == INVALID_HANDLE_VALUE; }
  HANDLE handle_ = nullptr;
};

// A mutex this thread owns: released, then closed, so a waiter sees a clean
// release rather than an abandoned mutex.
class OwnedMutex {
 public:
  OwnedMutex() = default;
  explicit OwnedMutex(KernelHandle mutex) : mutex_(std::move(mutex)) {}
  OwnedMutex(const OwnedMutex&) = delete;
  OwnedMutex& operator=(const OwnedMutex&) = delete;
  OwnedMutex(OwnedMutex&&) noexcept = default;
  OwnedMutex& operator=(OwnedMutex&& other) noexcept {
    if (this != &other) {
      Release();
      mutex_ = std::move(other.mutex_);
    }
    return *this;
  }
  ~OwnedMutex() { Release(); }

  explicit operator bool() const { return static_cast<bool>(mutex_); }

 private:
  void Release() {
    if (mutex_) ReleaseMutex(mutex_.Get());
    mutex_.Reset();
  }
  KernelHandle mutex_;
};

// A directory search released with FindClose.
class FindHandle {
 public:
  FindHandle() = default;
  explicit FindHandle(HANDLE handle) : handle_(handle) {}
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  FindHandle(FindHandle&& other) noexcept
      : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
  FindHandle& operator=(FindHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
    }
    return *this;
  }
  ~FindHandle() { Reset(); }

  HANDLE Get() const { return handle_; }
  explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
  void Reset() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(std::exchange(handle_, INVALID_HANDLE_VALUE));
  }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

}  // namespace zlt::win32
