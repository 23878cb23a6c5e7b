#include "platform/headless/fake_shell_links.h"

#include <filesystem>
#include <fstream>

#include "platform/text.h"

namespace platform::headless {

bool FakeShellLinks::Load(const std::string& path, LoadedShellLink& link) {
  log_->Record("LoadShellLink " + path);
  const auto found = links_.find(path);
  if (found == links_.end()) return false;
  const ShellLinkData& data = found->second;
  const auto name = targetNames_.find(path);
  link = {name != targetNames_.end() ? name->second : SystemName{WideFromCp932(data.TargetPath), {}},
          data.Arguments,
          data.WorkingDirectory,
          data.Description,
          data.IconLocation,
          data.IconIndex,
          data.ShowCommand};
  return true;
}

FileResult FakeShellLinks::Save(const std::string& path, const ShellLinkData& link) {
  log_->Record("SaveShellLink " + path);
  if (saveFailure_) return FileResult::Failure(*saveFailure_);
  if (files_) {
    const std::filesystem::path host = files_->HostPath(path);
    if (!std::filesystem::is_directory(host.parent_path())) return FileResult::Failure("パスが見つかりません。");
    std::ofstream(host, std::ios::binary) << "shell link to " << link.TargetPath;
  }
  links_[path] = link;
  return FileResult::Success();
}

std::optional<ShellLinkData> FakeShellLinks::LinkAt(const std::string& path) const {
  const auto found = links_.find(path);
  if (found == links_.end()) return std::nullopt;
  return found->second;
}

}  // namespace platform::headless
