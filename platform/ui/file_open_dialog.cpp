#include "platform/ui/file_open_dialog.h"

#include "platform/ui/application.h"
#include "platform/ui/form.h"

namespace ui {

FileOpenDialog::FileOpenDialog(Form& owner, std::string name) : Component(owner, std::move(name)) {}

bool FileOpenDialog::Execute() {
  refused_.clear();
  auto chosen = Owner().Program().Peer().ChooseFileToOpen(*this);
  if (!chosen) return false;
  if (!chosen->Kept()) {
    refused_ = std::move(chosen->Shown);
    return false;
  }
  fileName_ = std::move(chosen->Path);
  return true;
}

}  // namespace ui
