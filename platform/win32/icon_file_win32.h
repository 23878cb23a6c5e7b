#pragma once
// A file's icons read straight from it, opened once for any number of them:
// an exe or DLL mapped as a plain file, its icon groups listed in resource
// order (platform/pe_icons.h), or an .ico read whole. Each icon is made at
// the system's large-icon size from the image of its group that
// ExtractIconEx would pick. Files neither form can read (16-bit icon
// libraries, cursors) are left to ExtractIconEx.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/pe_icons.h"

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
  enum class Kind { Missing, Pe, Ico, Other };

  // Each reads the file in its form; false when it is not in that form.
  bool MapPe();
  bool ReadIco();
  HICON MakeFromPe(int index) const;
  HICON MakeFromIco() const;

  std::u16string path_;
  Kind kind_ = Kind::Missing;
  const void* view_ = nullptr;
  std::optional<platform::PeIcons> pe_;
  std::vector<BYTE> ico_;
};

}  // namespace platform::win32
