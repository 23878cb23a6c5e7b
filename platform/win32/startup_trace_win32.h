#pragma once

#include <windows.h>

#include <string>

#include "platform/startup_trace.h"

namespace platform::win32 {

// On when the environment variable PELORIN_STARTUP_TRACE names a file; the
// report goes there. Times count from the process's creation.
class StartupTraceWin32 final : public StartupTrace {
 public:
  StartupTraceWin32();
  explicit StartupTraceWin32(std::u16string path);

 protected:
  std::int64_t Now() override;
  void Write(const std::string& report) override;

 private:
  std::u16string path_;
  LARGE_INTEGER frequency_ = {};
  LARGE_INTEGER made_ = {};
  // Microseconds from the process's creation to this trace's.
  std::int64_t madeAfter_ = 0;
};

}  // namespace platform::win32
