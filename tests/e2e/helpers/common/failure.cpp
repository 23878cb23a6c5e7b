#include "common/failure.h"

#include <windows.h>

namespace e2e {

void FailWithLastError(const std::string& what) {
  DWORD code = GetLastError();
  throw Failure(what + " failed (error " + std::to_string(code) + ")");
}

}  // namespace e2e
