#include "platform/win32/shell_icons_win32.h"

#include <windows.h>

#include <shellapi.h>

#include "platform/collation.h"
#include "platform/text.h"
#include "platform/win32/first_use_win32.h"
#include "platform/win32/icon_file_win32.h"
#include "platform/win32/icons.h"
#include "platform/win32/system_names_win32.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {

namespace {

bool IsProgram(const std::string& path) {
  return platform::CompareTextIgnoreCase(platform::ExtractFileExt(path), ".exe") == 0;
}

}  // namespace

IconsWin32::IconsWin32() = default;
IconsWin32::~IconsWin32() = default;

void IconsWin32::BeginReading() { ++readings_; }

void IconsWin32::EndReading() {
  if (--readings_ > 0) return;
  openFiles_.clear();
  shellGaveNoGenericIcon_ = false;
}

const IconFile& IconsWin32::FileAt(const std::string& path) {
  for (const auto& [openPath, file] : openFiles_) {
    if (openPath == path) return *file;
  }
  openFiles_.emplace_back(path, std::make_unique<IconFile>(ShellCallPath(path)));
  return *openFiles_.back().second;
}

Icon IconsWin32::ShellIcon(const std::string& path) {
  // The shell shows a program by its first icon ("%1" is its default icon):
  // read directly, that costs a tenth of asking the shell. A program without
  // one gets the shell's generic icon, the same for every such program, so
  // the shell is asked for it once (once a reading while it gives none).
  if (!IsProgram(path)) return AskShell(path);
  const Reading reading(*this);
  const IconFile& file = FileAt(path);
  if (Icon icon = MakeIcon(file.Make(0))) return icon;
  if (!file.Exists()) return AskShell(path);
  if (genericProgramIcon_) return CopyOf(genericProgramIcon_);
  if (shellGaveNoGenericIcon_) return {};
  Icon icon = AskShell(path);
  genericProgramIcon_ = CopyOf(icon);
  shellGaveNoGenericIcon_ = !icon;
  return icon;
}

Icon IconsWin32::AskShell(const std::string& path) {
  EnsureComApartment();
  const std::u16string shellPath = ShellCallPath(path);
  SHFILEINFOW info = {};
  // A zero result means no icon; hIcon may then still hold a stale value.
  if (SHGetFileInfoW(AsWide(shellPath), 0, &info, sizeof info, SHGFI_ICON) == 0) {
    // A shell may not find a file by the short form of a path past MAX_PATH
    // (Wine's does not): an existing one gets the icon of its kind.
    if (WideFromCp932(path).size() < MAX_PATH) return {};
    const DWORD attributes = GetFileAttributesW(AsWide(FileCallPath(path)));
    if (attributes == INVALID_FILE_ATTRIBUTES ||
        SHGetFileInfoW(AsWide(shellPath), attributes, &info, sizeof info, SHGFI_ICON | SHGFI_USEFILEATTRIBUTES) == 0) {
      return {};
    }
  }
  return MakeIcon(info.hIcon);
}

Icon IconsWin32::IconInFile(const std::string& path, int index) {
  const Reading reading(*this);
  return MakeIcon(FileAt(path).Make(index));
}

int IconsWin32::IconCount(const std::string& path) {
  const Reading reading(*this);
  return FileAt(path).Count();
}

Icon IconsWin32::CopyOf(const Icon& icon) {
  if (!icon) return {};
  return MakeIcon(CopyIcon(IconHandle(icon)));
}

}  // namespace platform::win32
