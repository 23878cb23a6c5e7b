#include "common/process_memory.h"

#include <tlhelp32.h>

#include "common/failure.h"
#include "common/utf8.h"

namespace e2e {

ProcessHandle::ProcessHandle(DWORD pid, DWORD access) : handle_(OpenProcess(access, FALSE, pid)) {
  if (!handle_) FailWithLastError("OpenProcess(" + std::to_string(pid) + ")");
}

ProcessHandle::~ProcessHandle() { CloseHandle(handle_); }

RemoteBuffer::RemoteBuffer(HANDLE process, const void* data, std::size_t size)
    : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {
  if (!address_) FailWithLastError("VirtualAllocEx");
  SIZE_T written = 0;
  if (!WriteProcessMemory(process, address_, data, size, &written) || written != size) {
    VirtualFreeEx(process, address_, 0, MEM_RELEASE);
    FailWithLastError("WriteProcessMemory");
  }
}

RemoteBuffer::~RemoteBuffer() {
  if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
}

DWORD RunRemoteThread(HANDLE process, LPTHREAD_START_ROUTINE start, void* parameter, DWORD timeoutMs) {
  HANDLE thread = CreateRemoteThread(process, nullptr, 0, start, parameter, 0, nullptr);
  if (!thread) FailWithLastError("CreateRemoteThread");
  DWORD waited = WaitForSingleObject(thread, timeoutMs);
  DWORD exitCode = 0;
  GetExitCodeThread(thread, &exitCode);
  CloseHandle(thread);
  // A fault in the thread does not end it under Wine: winedbg holds the process.
  if (waited != WAIT_OBJECT_0) throw Failure("remote thread did not end in time (crashed in the target?)");
  return exitCode;
}

HMODULE FindRemoteModule(DWORD pid, const std::string& path) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
  // Windows may refuse while the target's module list changes; once more then.
  if (snapshot == INVALID_HANDLE_VALUE && GetLastError() == ERROR_BAD_LENGTH) {
    snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
  }
  if (snapshot == INVALID_HANDLE_VALUE) FailWithLastError("CreateToolhelp32Snapshot(" + std::to_string(pid) + ")");
  HMODULE found = nullptr;
  const std::wstring wanted = Wide(path);
  MODULEENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Module32FirstW(snapshot, &entry); more && !found; more = Module32NextW(snapshot, &entry)) {
    if (lstrcmpiW(entry.szExePath, wanted.c_str()) == 0) found = entry.hModule;
  }
  CloseHandle(snapshot);
  return found;
}

}  // namespace e2e
