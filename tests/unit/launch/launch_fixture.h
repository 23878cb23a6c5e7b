#pragma once
// A folder menu on the headless backend over a real temporary folder, with
// the recording fakes of the file system, the icons and the shell.

#include <string>
#include <vector>

#include "launch/launch_popup.h"
#include "platform/headless/call_log.h"
#include "platform/headless/fake_file_system.h"
#include "platform/headless/fake_shell.h"
#include "platform/headless/fake_shell_icons.h"
#include "platform/headless/testing.h"
#include "platform/text.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "support/temp_folder.h"

namespace pelorin::testing {

class LaunchFixture {
 public:
  LaunchFixture()
      : Files(Temp.Path(), "C:\\Pelorin\\Pelorin.exe", &Log),
        Icons(&Log),
        Shell(&Log),
        Window(App, "Form1", "Pelorin", ui::BorderStyle::ToolWindow),
        Popup(Window, "LaunchPopup", Files, Icons, Shell) {}

  // A file with a few bytes (its folders are made as needed).
  void MakeFile(const std::string& windowsPath) {
    Files.MakeFolder(platform::ExtractFilePath(windowsPath));
    ::test::WriteHostFile(Files.HostPath(windowsPath), "x");
  }
  void MakeFolder(const std::string& windowsPath) { Files.MakeFolder(windowsPath); }

  ::test::TempFolder Temp;
  platform::headless::CallLog Log;
  platform::headless::FakeFileSystem Files;
  platform::headless::FakeIcons Icons;
  platform::headless::FakeShell Shell;
  ui::Application App;
  ui::Form Window;
  TLaunchPopup Popup;
};

// The entries below item as "caption" or "caption(children)", blank-separated.
inline std::string Tree(const ui::MenuItem& item) {
  std::string text;
  for (int i = 0; i < item.Count(); ++i) {
    if (i > 0) text += ' ';
    text += item[i].Caption();
    if (item[i].Count() > 0) text += "(" + Tree(item[i]) + ")";
  }
  return text;
}

}  // namespace pelorin::testing
