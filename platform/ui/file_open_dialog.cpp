#include "platform/ui/file_open_dialog.h"

#include "platform/ui/application.h"
#include "platform/ui/form.h"

namespace ui {

FileOpenDialog::FileOpenDialog(Form& owner, std::string name) : Component(owner, std::move(name)) {}

bool FileOpenDialog::Execute() {
  return platform::TakeChosen(Owner().Program().Peer().ChooseFileToOpen(*this), fileName_, refused_);
}

}  // namespace ui
