#include "platform/win32/system_win32.h"

#include <windows.h>

namespace platform::win32 {

namespace {

using GlobalMemoryStatusExFunction = BOOL(WINAPI*)(LPMEMORYSTATUSEX);

// Only NT-family kernels from 2000 on have it; the 9x family keeps the 32-bit query.
GlobalMemoryStatusExFunction FindGlobalMemoryStatusEx() {
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  if (kernel == nullptr) return nullptr;
  return reinterpret_cast<GlobalMemoryStatusExFunction>(
      reinterpret_cast<void*>(GetProcAddress(kernel, "GlobalMemoryStatusEx")));
}

}  // namespace

bool SystemWin32::IsNtFamily() {
  OSVERSIONINFOW version = {};
  version.dwOSVersionInfoSize = sizeof version;
  // The 9x family reports its own platform, or fails where it lacks the
  // wide call: either way not NT.
  return GetVersionExW(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

LocalTime SystemWin32::Now() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

MemoryStatus SystemWin32::Memory() {
  static const GlobalMemoryStatusExFunction globalMemoryStatusEx = FindGlobalMemoryStatusEx();
  if (globalMemoryStatusEx != nullptr) {
    MEMORYSTATUSEX status = {};
    status.dwLength = sizeof status;
    if (globalMemoryStatusEx(&status)) return {status.ullTotalPhys, status.ullAvailPhys};
  }
  MEMORYSTATUS status = {};
  status.dwLength = sizeof status;
  GlobalMemoryStatus(&status);
  return {status.dwTotalPhys, status.dwAvailPhys};
}

void SystemWin32::EnableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return;
  TOKEN_PRIVILEGES privileges = {};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
    AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
  }
  CloseHandle(token);
}

void SystemWin32::EndSession(unsigned flags) { ExitWindowsEx(flags, 0); }

}  // namespace platform::win32
