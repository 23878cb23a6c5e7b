#pragma once
// The machine and the session through kernel32, advapi32 and user32.

#include "platform/system.h"

namespace platform::win32 {

class SystemWin32 : public System {
 public:
  bool IsNtFamily() override;
  LocalTime Now() override;
  MemoryStatus Memory() override;
  void EnableShutdownPrivilege() override;
  void EndSession(unsigned flags) override;
};

}  // namespace platform::win32
