#pragma once
// Working inside another process: a buffer written into its memory and a
// thread run there (drop blocks, DLL injection).

#include <windows.h>

#include <cstddef>

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
// fails when it has not ended within timeoutMs.
DWORD RunRemoteThread(HANDLE process, LPTHREAD_START_ROUTINE start, void* parameter, DWORD timeoutMs);

}  // namespace e2e
