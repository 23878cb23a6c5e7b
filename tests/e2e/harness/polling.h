#pragma once
// Every wait of the end-to-end tests: a condition polled until a deadline.

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>

namespace e2e {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::milliseconds;

// How long a window, a dialog or an exit may take to come by default.
inline constexpr Milliseconds kDefaultTimeout = 15s;

// Tests condition at once, then every interval until it holds or timeout
// has passed; answers whether it held.
template <class Condition>
bool PollUntil(Milliseconds timeout, Condition condition, Milliseconds interval = 25ms) {
  const auto deadline = Clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(interval);
  }
}

// PollUntil that throws, naming what never came.
template <class Condition>
void Await(const std::string& what, Condition condition, Milliseconds timeout = kDefaultTimeout) {
  if (!PollUntil(timeout, condition)) throw std::runtime_error("never happened: " + what);
}

}  // namespace e2e
