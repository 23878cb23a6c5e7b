#include "platform/win32/startup_trace_win32.h"

#include <utility>

#include "platform/win32/file_system_win32.h"

namespace platform::win32 {

namespace {

constexpr char kVariable[] = "PELORIN_STARTUP_TRACE";

std::string TracePath() {
  char path[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableA(kVariable, path, sizeof path);
  return length > 0 && length < sizeof path ? std::string(path, length) : std::string();
}

std::int64_t Microseconds(const FILETIME& time) {
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 10;
}

}  // namespace

StartupTraceWin32::StartupTraceWin32() : StartupTraceWin32(TracePath()) {}

StartupTraceWin32::StartupTraceWin32(std::string path) : StartupTrace(!path.empty()), path_(std::move(path)) {
  if (path_.empty()) return;
  QueryPerformanceFrequency(&frequency_);
  QueryPerformanceCounter(&made_);
  FILETIME created, exited, kernel, user, now;
  GetSystemTimeAsFileTime(&now);
  if (GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) {
    madeAfter_ = Microseconds(now) - Microseconds(created);
  }
}

std::int64_t StartupTraceWin32::Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return madeAfter_ + (now.QuadPart - made_.QuadPart) * 1000000 / frequency_.QuadPart;
}

void StartupTraceWin32::Write(const std::string& report) { FileSystemWin32().WriteWholeFile(path_, report); }

}  // namespace platform::win32
