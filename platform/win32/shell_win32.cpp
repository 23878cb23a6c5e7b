#include "platform/win32/shell_win32.h"

#include <shellapi.h>
#include <shlobj.h>

#include "platform/win32/first_use_win32.h"

namespace platform::win32 {

bool ShellWin32::Execute(ui::Form* owner, const std::string& verb, const std::string& file,
                         const std::string& parameters, const std::optional<std::string>& folder, int showCommand) {
  EnsureComApartment();
  const HINSTANCE result =
      ShellExecuteA(ownerWindow_(owner), verb.empty() ? nullptr : verb.c_str(), file.c_str(),
                    parameters.c_str(), folder ? folder->c_str() : nullptr, showCommand);
  // Values above 32 mean success.
  return reinterpret_cast<INT_PTR>(result) > 32;
}

std::optional<std::string> ShellWin32::SpecialFolderPath(int folder) {
  EnsureComApartment();
  char path[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathA(nullptr, path, folder, FALSE) || path[0] == '\0') return std::nullopt;
  return std::string(path);
}

void ShellWin32::EmptyRecycleBin(ui::Form* owner) {
  EnsureComApartment();
  SHEmptyRecycleBinA(ownerWindow_(owner), nullptr, SHERB_NOCONFIRMATION);
}

}  // namespace platform::win32
