#include "common/paths.h"

#include "common/failure.h"
#include "common/utf8.h"

namespace e2e {
namespace {

std::wstring WideModulePath(HMODULE module) {
  // Room for a path past MAX_PATH (a program started from a deep folder).
  std::wstring path(32768, L'\0');
  DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
  if (length == 0 || length >= path.size()) FailWithLastError("GetModuleFileNameW");
  path.resize(length);
  return path;
}

}  // namespace

std::string ModulePath(HMODULE module) { return Utf8(WideModulePath(module)); }

std::wstring ModuleLogPath() {
  std::wstring path = WideModulePath(nullptr);
  const auto separator = path.rfind(L'\\');
  const auto dot = path.rfind(L'.');
  if (dot != std::wstring::npos && (separator == std::wstring::npos || dot > separator)) path.resize(dot);
  path += L".log";
  // Past MAX_PATH only with the prefix.
  if (path.size() >= MAX_PATH && path.size() > 2 && path[1] == L':') path = L"\\\\?\\" + path;
  return path;
}

std::string FolderOf(const std::string& path) {
  // No byte of a UTF-8 multi-byte character is a backslash.
  auto separator = path.rfind('\\');
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

}  // namespace e2e
