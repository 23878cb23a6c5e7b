#pragma once
// Working inside another process: a buffer written into its memory and a
// thread run there (drop blocks, DLL injection).

#include <windows.h>

#include <cstddef>
#include <string>

namespace e2e {

// Owns a process handle.
class ProcessHandle {
 public:
  ProcessHandle(DWORD pid, DWORD access);
  ~ProcessHandle();
  ProcessHandle(const ProcessHandle&) = delete;
  ProcessHandle& operator=(const ProcessHandle&) = delete;
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

// A copy of local bytes in the memory of another process; freed on
// destruction unless Release() hands it over to that process.
class RemoteBuffer {
 public:
  RemoteBuffer(HANDLE process, const void* data, std::size_t size);
  ~RemoteBuffer();
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  void* Address() const { return address_; }
  void Release() { address_ = nullptr; }

 private:
  HANDLE process_;
  void* address_;
};

// Runs start(parameter) on a new thread of process and returns its exit code;
// fails when it has not ended within timeoutMs. The exit code is 32 bits:
// it cannot carry a pointer of a 64-bit process.
DWORD RunRemoteThread(HANDLE process, LPTHREAD_START_ROUTINE start, void* parameter, DWORD timeoutMs);

// The base of the module loaded from path (UTF-8, compared without regard to
// case) in process pid, or nullptr when it has none such.
HMODULE FindRemoteModule(DWORD pid, const std::string& path);

}  // namespace e2e
