#pragma once
// Paths of the helper's own files, in UTF-8 (see utf8.h).

#include <windows.h>

#include <string>

namespace e2e {

// Full path of module (the exe when nullptr).
std::string ModulePath(HMODULE module = nullptr);
// The exe's own path with ".log" for its extension, wide: it may be past
// MAX_PATH (then with "\\?\").
std::wstring ModuleLogPath();
// "C:\a\b.exe" -> "C:\a\" (up to and including the last separator).
std::string FolderOf(const std::string& path);

}  // namespace e2e
