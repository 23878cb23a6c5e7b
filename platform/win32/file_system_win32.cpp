#include "platform/win32/file_system_win32.h"

#include <windows.h>

#include "platform/error.h"
#include "platform/win32/file_handle.h"
#include "platform/win32/system_names_win32.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {

namespace {

constexpr char kUnnamableFolderText[] =
    "Pelorin を置いたフォルダからは起動できません。\n名前に使えない文字があるか、パスが長すぎます。";

FileResult LastErrorFailure() {
  return FileResult::Failure(SystemErrorMessage(GetLastError()));
}

}  // namespace

std::string SystemErrorMessage(unsigned long error) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
      MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  if (length == 0 || buffer == nullptr) return "エラー " + std::to_string(error);
  std::string message = Narrow(std::wstring_view(buffer, length));
  LocalFree(buffer);
  // The system's texts end with a line break (and sometimes a blank).
  while (!message.empty() && (message.back() == '\r' || message.back() == '\n' || message.back() == ' ')) {
    message.pop_back();
  }
  return message;
}

std::string FileSystemWin32::ExecutablePath() {
  // Room for the longest path there is: a full buffer could mean a cut-off
  // path, which XP does not report as an error.
  constexpr DWORD kLongestPath = 32768;
  std::u16string path(kLongestPath, u'\0');
  path.resize(GetModuleFileNameW(nullptr, reinterpret_cast<wchar_t*>(path.data()), kLongestPath));
  // The data files' paths start with it: one the program cannot name would
  // make it read and write somewhere else.
  auto kept = KeptPath(std::move(path));
  if (!kept) throw Error(kUnnamableFolderText);
  return std::move(*kept);
}

FileResult FileSystemWin32::ReadWholeFile(const std::string& path, std::string& contents) {
  FileHandle file(CreateFileW(AsWide(FileCallPath(path)), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
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
  return WriteWholeFileAt(AsWide(FileCallPath(path)), bytes);
}

FileResult WriteWholeFileAt(const wchar_t* systemPath, std::string_view bytes) {
  FileHandle file(
      CreateFileW(systemPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
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
  const std::u16string from = FileCallPath(source);
  const std::u16string to = FileCallPath(target);
  if (MoveFileExW(AsWide(from), AsWide(to), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return FileResult::Success();
  }
  const DWORD error = GetLastError();
  if (error != ERROR_CALL_NOT_IMPLEMENTED) return FileResult::Failure(SystemErrorMessage(error));
  // A system without MoveFileEx: remove the target, then rename.
  if (!DeleteFileW(AsWide(to)) && GetLastError() != ERROR_FILE_NOT_FOUND) return LastErrorFailure();
  if (!MoveFileW(AsWide(from), AsWide(to))) return LastErrorFailure();
  return FileResult::Success();
}

FileResult FileSystemWin32::RemoveFile(const std::string& path) {
  if (DeleteFileW(AsWide(FileCallPath(path)))) return FileResult::Success();
  const DWORD error = GetLastError();
  if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return FileResult::Success();
  return FileResult::Failure(SystemErrorMessage(error));
}

}  // namespace platform::win32
