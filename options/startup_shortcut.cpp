// The start-up tab: a shortcut to the running exe in the user's Startup
// folder, made and removed at once, whatever becomes of the dialog.

#include <optional>
#include <string>

#include "app/app.h"
#include "options/options_dialog.h"
#include "platform/file_system.h"
#include "platform/shell.h"
#include "platform/shell_links.h"
#include "platform/text.h"

namespace pelorin {

namespace {

constexpr char kCreated[] = "ショートカットを作成しました";
constexpr char kDeleted[] = "ショートカットを削除しました";
constexpr char kNothingToDelete[] = "削除するファイルがありません";
constexpr char kNoStartupFolder[] = "スタートアップフォルダが見つかりません";

// The folder of a path without its trailing backslash; a drive root keeps it.
std::string FolderOf(const std::string& path) {
  std::string folder = platform::ExtractFilePath(path);
  if (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
  return folder;
}

// The Startup folder, a backslash, and the exe's name with ".lnk" for its extension.
std::optional<std::string> ShortcutPath(App& app) {
  const std::optional<std::string> startup = app.Services().Shell.SpecialFolderPath(platform::kFolderStartup);
  if (!startup) return std::nullopt;
  const std::string exe = app.Services().Files.ExecutablePath();
  const std::string name = platform::ExtractFileName(exe);
  const std::string stem = name.substr(0, name.size() - platform::ExtractFileExt(exe).size());
  return *startup + "\\" + stem + ".lnk";
}

void Tell(App& app, const char* text) { app.Ui().ShowMessage(text, kApplicationTitle, platform::MessageStyle::Plain); }

}  // namespace

void TForm6::Button2Click() {
  const std::optional<std::string> shortcut = ShortcutPath(app_);
  if (!shortcut) return Tell(app_, kNoStartupFolder);
  const std::string exe = app_.Services().Files.ExecutablePath();
  platform::ShellLinkData link;
  link.TargetPath = exe;
  link.WorkingDirectory = FolderOf(exe);
  const platform::FileResult saved = app_.Services().Links.Save(*shortcut, link);
  if (!saved) return app_.ReportError(saved.message.c_str());
  Tell(app_, kCreated);
}

void TForm6::Button3Click() {
  const std::optional<std::string> shortcut = ShortcutPath(app_);
  if (!shortcut) return Tell(app_, kNoStartupFolder);
  platform::FileSystem& files = app_.Services().Files;
  // The file system takes a missing file as removed; here it is "nothing to delete".
  const bool removed = files.Attributes(*shortcut).has_value() && files.RemoveFile(*shortcut);
  Tell(app_, removed ? kDeleted : kNothingToDelete);
}

}  // namespace pelorin
