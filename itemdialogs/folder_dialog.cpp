#include "itemdialogs/folder_dialog.h"

#include "platform/ui/application.h"
#include "platform/ui/form.h"

namespace pelorin {

bool TFolderDlg::Execute() {
  auto chosen = Owner().Program().Peer().BrowseForFolder(Owner(), Title, Root);
  FolderName.clear();
  Refused.clear();
  if (!chosen) return false;
  if (!chosen->Kept()) {
    Refused = std::move(chosen->Shown);
    return false;
  }
  FolderName = std::move(chosen->Path);
  return true;
}

}  // namespace pelorin
