#pragma once
// The platform's file-open dialog, run modally through the application like
// a message box (so a headless test scripts it).

#include <string>

#include "platform/ui/control.h"

namespace ui {

class FileOpenDialog : public Component {
 public:
  FileOpenDialog(Form& owner, std::string name);

  // Pairs of description and patterns: "プログラム(*.exe)|*.exe;*.lnk|全て|*".
  const std::string& Filter() const { return filter_; }
  void SetFilter(std::string filter) { filter_ = std::move(filter); }
  // Empty: the platform's own title.
  const std::string& Title() const { return title_; }
  void SetTitle(std::string title) { title_ = std::move(title); }
  // The file name the dialog opens with, and the one chosen.
  const std::string& FileName() const { return fileName_; }
  void SetFileName(std::string fileName) { fileName_ = std::move(fileName); }

  // True with FileName set to the chosen file; false when cancelled or when
  // the chosen file cannot be kept (FileName stays as it was).
  bool Execute();
  // The file chosen at the last Execute when it cannot be kept, as the code
  // page shows its name; empty otherwise.
  const std::string& Refused() const { return refused_; }

 private:
  std::string filter_;
  std::string title_;
  std::string fileName_;
  std::string refused_;
};

}  // namespace ui
