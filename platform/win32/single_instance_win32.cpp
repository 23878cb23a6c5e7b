#include "platform/win32/single_instance_win32.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace platform::win32 {

bool SingleInstanceWin32::Claim(const std::string& name) {
  // Create and test in one call: a separate "open, then create" would let two
  // copies started together both pass.
  HANDLE mutex = CreateMutexW(nullptr, FALSE, Wide(name).c_str());
  if (mutex == nullptr) {
    // Access denied: another copy (of another user) holds it. Any other
    // failure leaves no guard to be had; run unguarded rather than not at all.
    return GetLastError() != ERROR_ACCESS_DENIED;
  }
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    return false;
  }
  // Held until the process ends.
  return true;
}

}  // namespace platform::win32
