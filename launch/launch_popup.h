#pragma once
// TLaunchPopup: a popup menu of one folder's contents. Sub-folders become
// submenus, files become entries that start the file when picked. The whole
// tree is read, with an icon per entry, before the menu opens.

#include <memory>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/icons.h"
#include "platform/shell.h"
#include "platform/ui/callback.h"
#include "platform/ui/image_list.h"
#include "platform/ui/popup_menu.h"

namespace pelorin {

class TLaunchPopup;

// Notification that carries the sender only.
using TLPNotifyEvent = ui::Callback<void(TLaunchPopup& sender)>;

// The tag of the first file entry of a tree; the next ones count up.
inline constexpr int kFirstEntryTag = 1000;

// The folder menu component.
class TLaunchPopup : public ui::PopupMenu {
 public:
  TLaunchPopup(ui::Form& owner, std::string name, platform::FileSystem& files, platform::Icons& icons,
               platform::Shell& shell);

  // The folder to list; ends with a separator, since names are appended to it.
  const std::string& Directory() const { return directory_; }
  void SetDirectory(std::string directory) { directory_ = std::move(directory); }
  // Whether sub-folders are listed as submenus, recursively.
  bool SearchDirectory() const { return searchDirectory_; }
  void SetSearchDirectory(bool search) { searchDirectory_ = search; }
  // The system wildcard that selects the listed files.
  const std::string& Mask() const { return mask_; }
  void SetMask(std::string mask) { mask_ = std::move(mask); }

  // When set, replaces the start of a picked file; ItemPath holds its path.
  TLPNotifyEvent onItemClick;
  // Full path of the file entry picked last.
  std::string ItemPath;

  // Builds the tree of Directory under the root entries. The caller empties
  // them first; the attached image list is emptied here.
  void BuildMenu();
  // Adds the contents of folder (ending with a separator) as children of
  // parent, which already has position children.
  void AddFolder(const std::string& folder, ui::MenuItem& parent, int position);
  // The click handler of file entries.
  void ItemClick(ui::MenuItem& entry);

 private:
  // Gives entry the shell's icon of path through the attached image list.
  void AttachIcon(ui::MenuItem& entry, const std::string& path);

  platform::FileSystem& files_;
  platform::Icons& icons_;
  platform::Shell& shell_;
  std::string directory_;
  bool searchDirectory_ = false;
  std::string mask_ = "*.lnk";
  // Full paths of the file entries of the current tree, in creation order.
  std::vector<std::string> pathList_;
  int entryCounter_ = 0;
};

// The image list of the main window's folder menu: 16 x 16 icons on the
// system window colour.
std::unique_ptr<ui::ImageList> CreateFolderMenuImages(ui::Form& owner, std::string name);

// Sets popup up as the main window's folder menu: sub-folders as submenus,
// every file, icons through images.
void SetUpFolderMenu(TLaunchPopup& popup, ui::ImageList& images);

}  // namespace pelorin
