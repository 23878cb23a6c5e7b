#pragma once
// The shell through its wide calls (ShellExecuteW).

#include <windows.h>

#include "platform/shell.h"
#include "platform/ui/callback.h"

namespace platform::win32 {

class ShellWin32 : public Shell {
 public:
  // ownerWindow gives the window of a form, or the application's window for nullptr.
  explicit ShellWin32(ui::Callback<HWND(ui::Form*)> ownerWindow) : ownerWindow_(std::move(ownerWindow)) {}

  bool Execute(ui::Form* owner, const std::string& verb, const std::string& file, const std::string& parameters,
               const std::optional<std::string>& folder, int showCommand) override;
  std::optional<std::string> SpecialFolderPath(int folder) override;
  void EmptyRecycleBin(ui::Form* owner) override;

 private:
  ui::Callback<HWND(ui::Form*)> ownerWindow_;
};

}  // namespace platform::win32
