#include "platform/win32/file_system_win32.h"

#include <windows.h>

#include <vector>

namespace platform::win32 {

namespace {

FileResult LastErrorFailure() {
  return FileResult::Failure(SystemErrorMessage(GetLastError()));
}

// Closes a file handle on every way out.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (valid()) CloseHandle(handle_);
  }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  // Closes now, so that a failing close can be reported.
  bool Close() {
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return CloseHandle(handle) != FALSE;
  }

 private:
  HANDLE handle_;
};

}  // namespace

std::string SystemErrorMessage(unsigned long error) {
  char* buffer = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
      MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&buffer), 0, nullptr);
  if (length == 0 || buffer == nullptr) return "エラー " + std::to_string(error);
  std::string message(buffer, length);
  LocalFree(buffer);
  // The system's texts end with a line break (and sometimes a blank).
  while (!message.empty() && (message.back() == '\r' || message.back() == '\n' || message.back() == ' ')) {
    message.pop_back();
  }
  return message;
}

std::string FileSystemWin32::ExecutablePath() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    // A full buffer may mean a cut-off path (XP does not report it as an error).
    if (length < buffer.size() - 1) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

FileResult FileSystemWin32::ReadWholeFile(const std::string& path, std::string& contents) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return LastErrorFailure();
  contents.clear();
  char buffer[16384];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr)) return LastErrorFailure();
    if (read == 0) break;
    contents.append(buffer, read);
  }
  return FileResult::Success();
}

FileResult FileSystemWin32::WriteWholeFile(const std::string& path, std::string_view bytes) {
  FileHandle file(
      CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) return LastErrorFailure();
  while (!bytes.empty()) {
    DWORD written = 0;
    const DWORD chunk = bytes.size() > 0x100000 ? 0x100000 : static_cast<DWORD>(bytes.size());
    if (!WriteFile(file.get(), bytes.data(), chunk, &written, nullptr)) return LastErrorFailure();
    if (written == 0) return FileResult::Failure(SystemErrorMessage(ERROR_WRITE_FAULT));
    bytes.remove_prefix(written);
  }
  if (!FlushFileBuffers(file.get())) return LastErrorFailure();
  if (!file.Close()) return LastErrorFailure();
  return FileResult::Success();
}

FileResult FileSystemWin32::MoveOver(const std::string& source, const std::string& target) {
  if (MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return FileResult::Success();
  }
  const DWORD error = GetLastError();
  if (error != ERROR_CALL_NOT_IMPLEMENTED) return FileResult::Failure(SystemErrorMessage(error));
  // The 9x family has no MoveFileExA: remove the target, then rename.
  if (!DeleteFileA(target.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) return LastErrorFailure();
  if (!MoveFileA(source.c_str(), target.c_str())) return LastErrorFailure();
  return FileResult::Success();
}

FileResult FileSystemWin32::RemoveFile(const std::string& path) {
  if (DeleteFileA(path.c_str())) return FileResult::Success();
  const DWORD error = GetLastError();
  if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return FileResult::Success();
  return FileResult::Failure(SystemErrorMessage(error));
}

}  // namespace platform::win32
