#pragma once
// Paths of the helper's own files. Folders may hold Shift-JIS names whose
// trail byte is 0x5C, so the separator is searched by characters.

#include <windows.h>

#include <string>

namespace e2e {

// Full path of module (the exe when nullptr).
std::string ModulePath(HMODULE module = nullptr);
// The exe's own path with ".log" for its extension, wide: it may have a name
// outside the code page, or be past MAX_PATH (then with "\\?\").
std::wstring ModuleLogPath();
// "C:\a\b.exe" -> "C:\a\" (up to and including the last separator).
std::string FolderOf(const std::string& path);
// "C:\a\b.exe" -> "C:\a\b" (the extension of the file name removed).
std::string WithoutExtension(const std::string& path);

}  // namespace e2e
