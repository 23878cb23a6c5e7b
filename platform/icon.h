#pragma once
// An icon handle with exactly one owner, destroyed with it. The backend that
// made the icon supplies how to destroy it (DestroyIcon on Windows; the
// headless backend counts live icons so tests can prove nothing leaks).

#include <cstdint>
#include <utility>

namespace platform {

class Icon {
 public:
  using Handle = std::uintptr_t;
  using Destroyer = void (*)(Handle);

  Icon() = default;
  Icon(Handle handle, Destroyer destroyer) : handle_(handle), destroyer_(destroyer) {}
  Icon(Icon&& other) noexcept : handle_(std::exchange(other.handle_, 0)), destroyer_(other.destroyer_) {}
  Icon& operator=(Icon&& other) noexcept {
    if (this != &other) {
      Reset();
      handle_ = std::exchange(other.handle_, 0);
      destroyer_ = other.destroyer_;
    }
    return *this;
  }
  Icon(const Icon&) = delete;
  Icon& operator=(const Icon&) = delete;
  ~Icon() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != 0; }

  void Reset() {
    if (handle_ != 0 && destroyer_ != nullptr) destroyer_(handle_);
    handle_ = 0;
  }

 private:
  Handle handle_ = 0;
  Destroyer destroyer_ = nullptr;
};

}  // namespace platform
