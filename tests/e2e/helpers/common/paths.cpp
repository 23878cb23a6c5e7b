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
  char buffer[MAX_PATH];
  DWORD length = GetModuleFileNameA(module, buffer, sizeof buffer);
  if (length == 0 || length >= sizeof buffer) FailWithLastError("GetModuleFileNameA");
  return std::string(buffer, length);
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
