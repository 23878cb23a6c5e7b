#include "itemdialogs/folder_dialog.h"

#include "platform/ui/application.h"
#include "platform/ui/form.h"

namespace pelorin {

bool TFolderDlg::Execute() {
  FolderName.clear();
  return platform::TakeChosen(Owner().Program().Peer().BrowseForFolder(Owner(), Title, Root), FolderName, Refused);
}

}  // namespace pelorin
