#pragma once
// The machine and the user's session: which platform family runs the
// program, the local time, physical memory, and ending the session.

#include <cstdint>

namespace platform {

// ExitWindowsEx's flags.
namespace exit_windows {
inline constexpr unsigned kShutdown = 1;
inline constexpr unsigned kReboot = 2;
inline constexpr unsigned kPowerOff = 8;
}  // namespace exit_windows

struct LocalTime {
  int Year = 0, Month = 0, Day = 0;
  int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;

  bool operator==(const LocalTime&) const = default;
};

struct MemoryStatus {
  std::uint64_t TotalPhysical = 0;
  std::uint64_t AvailablePhysical = 0;
};

class System {
 public:
  virtual ~System() = default;

  // The NT family (NT, 2000 and later) rather than 95, 98 and Me.
  virtual bool IsNtFamily() = 0;
  virtual LocalTime Now() = 0;
  // Physical memory in bytes, not clipped at 4 GB where the system can say more.
  virtual MemoryStatus Memory() = 0;
  // Lets this process shut the system down (NT family); failures are ignored.
  virtual void EnableShutdownPrivilege() = 0;
  // Asks the system to end the session (exit_windows flags); others may refuse.
  virtual void EndSession(unsigned flags) = 0;
};

}  // namespace platform
