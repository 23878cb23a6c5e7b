#include <windows.h>

#include "platform/text.h"

namespace platform {

// The system's ANSI code page decides, as for every other ANSI call.
bool IsLeadByte(unsigned char c) {
  return IsDBCSLeadByte(c) != FALSE;
}

}  // namespace platform
