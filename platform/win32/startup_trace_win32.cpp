#include "platform/win32/startup_trace_win32.h"

#include <utility>

#include "platform/win32/file_system_win32.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {

namespace {

constexpr wchar_t kVariable[] = L"PELORIN_STARTUP_TRACE";

// Kept wide: a file name the program's code page cannot hold is still one to write.
std::u16string TracePath() {
  return SizedText([](wchar_t* buffer, DWORD size) { return GetEnvironmentVariableW(kVariable, buffer, size); });
}

std::int64_t Microseconds(const FILETIME& time) {
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 10;
}

}  // namespace

StartupTraceWin32::StartupTraceWin32() : StartupTraceWin32(TracePath()) {}

StartupTraceWin32::StartupTraceWin32(std::u16string path) : StartupTrace(!path.empty()), path_(std::move(path)) {
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

void StartupTraceWin32::Write(const std::string& report) { WriteWholeFileAt(AsWide(path_), report); }

}  // namespace platform::win32
