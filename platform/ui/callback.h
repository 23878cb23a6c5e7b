#pragma once
// An event handler: a small callable copied as bytes (a lambda that captures
// a few pointers or numbers, or a function) and the function that calls it.
// std::function would bring along, for every lambda of every form, a manager
// function, its unwind table and the lambda's type information: about 24 KB
// of the exe. A callable that does not fit is refused at compile time;
// capture a pointer to what it needs instead.

#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>

namespace ui {

template <class Signature>
class Callback;

template <class R, class... Args>
class Callback<R(Args...)> {
 public:
  Callback() = default;
  Callback(std::nullptr_t) {}  // NOLINT(google-explicit-constructor): as std::function

  template <class F>
    requires(!std::is_same_v<std::remove_cvref_t<F>, Callback> && std::is_invocable_r_v<R, std::decay_t<F>&, Args...>)
  Callback(F&& callable) {  // NOLINT(google-explicit-constructor): a lambda converts, as to std::function
    using Stored = std::decay_t<F>;
    static_assert(std::is_trivially_copyable_v<Stored> && std::is_trivially_destructible_v<Stored>,
                  "a handler is copied as bytes: capture pointers, not objects that own memory");
    static_assert(sizeof(Stored) <= sizeof(storage_) && alignof(Stored) <= alignof(Storage),
                  "a handler holds at most a few pointers");
    ::new (static_cast<void*>(storage_.bytes)) Stored(std::forward<F>(callable));
    call_ = [](Storage& storage, Args... args) -> R {
      return (*std::launder(reinterpret_cast<Stored*>(storage.bytes)))(std::forward<Args>(args)...);
    };
  }

  explicit operator bool() const { return call_ != nullptr; }

  // An empty handler does nothing (and gives R's default).
  R operator()(Args... args) const {
    if (call_ == nullptr) return R();
    return call_(storage_, std::forward<Args>(args)...);
  }

 private:
  struct Storage {
    alignas(void*) unsigned char bytes[3 * sizeof(void*)];
  };
  // Mutable: a lambda may change what it captured, as with std::function.
  mutable Storage storage_{};
  R (*call_)(Storage&, Args...) = nullptr;
};

}  // namespace ui
