#pragma once
// What the system sets up only when it is first needed: the common control
// classes and COM. Their DLLs (comctl32, ole32 and with them much of the
// shell) load at the first call, so a start that needs neither does not pay
// for them in time or memory.

namespace platform::win32 {

// Before the first window of a common control (tips, tabs, spin buttons...).
void EnsureCommonControls();
// Before the first shell or COM call of the user-interface thread; COM stays
// initialised (apartment-threaded) until the program ends.
void EnsureComApartment();

}  // namespace platform::win32
