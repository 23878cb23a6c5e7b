#pragma once
// FolderDialog: the folder browser as a small component of a form.

#include <string>

#include "platform/ui/control.h"

namespace pelorin {

// A folder browser owned by a form: the tree starts at the desktop, only
// file-system folders can be confirmed.
class TFolderDlg : public ui::Component {
 public:
  TFolderDlg(ui::Form& owner, std::string name) : ui::Component(owner, std::move(name)) {}

  // Shows the browser; true with FolderName set to the chosen folder, false
  // (FolderName empty) when the user cancelled or chose a folder that cannot
  // be kept (then Refused names it as the code page shows it).
  bool Execute();

  // The text shown above the folder tree.
  std::string Title;
  // The folder selected when the browser opens; empty for none.
  std::string Root;
  // The result of the last Execute.
  std::string FolderName;
  std::string Refused;
};

}  // namespace pelorin
