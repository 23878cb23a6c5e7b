#pragma once
// Waiting inside the probe: one Wine start instead of one per poll.

#include <windows.h>

namespace e2e {

// Tests condition at once and then every 20 ms until it holds or timeoutMs
// has passed; answers whether it held.
template <class Condition>
bool PollUntil(DWORD timeoutMs, Condition condition) {
  DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(20);
  }
}

}  // namespace e2e
