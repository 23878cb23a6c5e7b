#include "platform/win32/shell_win32.h"

#include <shellapi.h>
#include <shlobj.h>

#include "platform/text.h"
#include "platform/win32/first_use_win32.h"
#include "platform/win32/system_names_win32.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {

bool ShellWin32::Execute(ui::Form* owner, const std::string& verb, const std::string& file,
                         const std::string& parameters, const std::optional<std::string>& folder, int showCommand) {
  EnsureComApartment();
  const std::u16string wideVerb = WideFromCp932(verb);
  const std::u16string wideFolder = folder ? ShellCallPath(*folder) : std::u16string();
  const HINSTANCE result =
      ShellExecuteW(ownerWindow_(owner), verb.empty() ? nullptr : AsWide(wideVerb), AsWide(ShellCallPath(file)),
                    AsWide(WideFromCp932(parameters)), folder ? AsWide(wideFolder) : nullptr, showCommand);
  // Values above 32 mean success.
  return reinterpret_cast<INT_PTR>(result) > 32;
}

std::optional<std::string> ShellWin32::SpecialFolderPath(int folder) {
  EnsureComApartment();
  wchar_t path[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathW(nullptr, path, folder, FALSE) || path[0] == L'\0') return std::nullopt;
  // A folder the program cannot name counts as one the system cannot say.
  return KeptPath(std::u16string(AsUtf16(path)));
}

void ShellWin32::EmptyRecycleBin(ui::Form* owner) {
  EnsureComApartment();
  SHEmptyRecycleBinW(ownerWindow_(owner), nullptr, SHERB_NOCONFIRMATION);
}

}  // namespace platform::win32
