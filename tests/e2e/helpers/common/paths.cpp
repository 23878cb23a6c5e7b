#include "common/paths.h"

#include "common/failure.h"

namespace e2e {
namespace {

// Byte offset of the last character of path equal to c, or npos.
std::string::size_type LastCharacter(const std::string& path, char c) {
  std::string::size_type found = std::string::npos;
  for (const char* p = path.c_str(); *p; p = CharNextA(p)) {
    if (*p == c) found = p - path.c_str();
  }
  return found;
}

}  // namespace

std::string ModulePath(HMODULE module) {
  // Room for a path past MAX_PATH (a program started from a deep folder).
  std::string buffer(32768, '\0');
  DWORD length = GetModuleFileNameA(module, buffer.data(), static_cast<DWORD>(buffer.size()));
  if (length == 0 || length >= buffer.size()) FailWithLastError("GetModuleFileNameA");
  buffer.resize(length);
  return buffer;
}

std::wstring ModuleLogPath() {
  std::wstring path(32768, L'\0');
  DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  if (length == 0 || length >= path.size()) FailWithLastError("GetModuleFileNameW");
  path.resize(length);
  const auto separator = path.rfind(L'\\');
  const auto dot = path.rfind(L'.');
  if (dot != std::wstring::npos && (separator == std::wstring::npos || dot > separator)) path.resize(dot);
  path += L".log";
  // Past MAX_PATH only with the prefix.
  if (path.size() >= MAX_PATH && path.size() > 2 && path[1] == L':') path = L"\\\\?\\" + path;
  return path;
}

std::string FolderOf(const std::string& path) {
  auto separator = LastCharacter(path, '\\');
  return separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
}

std::string WithoutExtension(const std::string& path) {
  auto dot = LastCharacter(path, '.');
  auto separator = LastCharacter(path, '\\');
  if (dot == std::string::npos || (separator != std::string::npos && dot < separator)) return path;
  return path.substr(0, dot);
}

}  // namespace e2e
