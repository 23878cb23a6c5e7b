#include "platform/win32/shell_win32.h"

#include <shellapi.h>

namespace platform::win32 {

bool ShellWin32::Execute(ui::Form* owner, const std::string& verb, const std::string& file,
                         const std::string& parameters, const std::optional<std::string>& folder, int showCommand) {
  const HINSTANCE result =
      ShellExecuteA(ownerWindow_ ? ownerWindow_(owner) : nullptr, verb.empty() ? nullptr : verb.c_str(), file.c_str(),
                    parameters.c_str(), folder ? folder->c_str() : nullptr, showCommand);
  // Values above 32 mean success.
  return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace platform::win32
