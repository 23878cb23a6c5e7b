#pragma once
// A file's icons read straight from it, opened once for any number of them:
// an exe or DLL mapped as data, its icon groups listed in resource order
// (what an icon index counts), or an .ico read whole. Each icon is made at
// the system's large-icon size from the image of its group that
// ExtractIconEx would pick. Files neither form can read (16-bit icon
// libraries, cursors) are left to ExtractIconEx.

#include <windows.h>

#include <string>
#include <vector>

namespace platform::win32 {

class IconFile {
 public:
  // path as the shell takes it (platform/win32/system_names_win32.h).
  explicit IconFile(std::u16string path);
  ~IconFile();
  IconFile(const IconFile&) = delete;
  IconFile& operator=(const IconFile&) = delete;

  // Whether the path names a file (not a folder).
  bool Exists() const { return kind_ != Kind::Missing; }
  // How many icons it holds.
  int Count() const;
  // The large icon at index, or for a negative index the group whose
  // resource identifier is -index; null when there is none.
  HICON Make(int index) const;

 private:
  enum class Kind { Missing, Module, Ico, Other };
  // A group's resource name: a number, or a string when text is not empty.
  struct GroupName {
    WORD id;
    std::wstring text;
    const wchar_t* Get() const { return text.empty() ? MAKEINTRESOURCEW(id) : text.c_str(); }
  };

  // Each reads the file in its form; false when it is not in that form.
  bool OpenModule();
  bool ReadIco();
  HICON MakeFromGroup(const wchar_t* group) const;
  HICON MakeFromIco() const;
  static BOOL CALLBACK AddGroup(HMODULE module, const wchar_t* type, wchar_t* name, LONG_PTR groups);

  std::u16string path_;
  Kind kind_ = Kind::Missing;
  HMODULE module_ = nullptr;
  std::vector<GroupName> groups_;
  std::vector<BYTE> ico_;
};

}  // namespace platform::win32
