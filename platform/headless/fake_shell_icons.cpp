#include "platform/headless/fake_shell_icons.h"

#include "platform/headless/fake_icons.h"

namespace platform::headless {

int FakeIcons::CountOf(const std::string& path) const {
  const auto found = counts_.find(path);
  return found == counts_.end() ? 0 : found->second;
}

void FakeIcons::BeginReading() { log_->Record("BeginReading"); }
void FakeIcons::EndReading() { log_->Record("EndReading"); }

Icon FakeIcons::ShellIcon(const std::string& path) {
  log_->Record("ShellIcon " + path);
  if (noShellIcon_.count(path) != 0) return {};
  return MakeFakeIcon("shell:" + path);
}

Icon FakeIcons::IconInFile(const std::string& path, int index) {
  const std::string described = path + "," + std::to_string(index);
  log_->Record("IconInFile " + described);
  if (index < 0 || index >= CountOf(path)) return {};
  return MakeFakeIcon(described);
}

int FakeIcons::IconCount(const std::string& path) {
  log_->Record("IconCount " + path);
  return CountOf(path);
}

Icon FakeIcons::CopyOf(const Icon& icon) {
  if (!icon) return {};
  return MakeFakeIcon(FakeIconDescription(icon));
}

}  // namespace platform::headless
