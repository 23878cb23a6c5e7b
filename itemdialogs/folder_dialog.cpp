#include "itemdialogs/folder_dialog.h"

#include "platform/ui/application.h"
#include "platform/ui/form.h"

namespace pelorin {

bool TFolderDlg::Execute() {
  auto chosen = Owner().Program().Peer().BrowseForFolder(Owner(), Title, Root);
  FolderName = chosen ? std::move(*chosen) : std::string();
  return chosen.has_value();
}

}  // namespace pelorin
