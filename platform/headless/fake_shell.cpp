#include "platform/headless/fake_shell.h"

#include "platform/ui/form.h"

namespace platform::headless {

std::string Describe(const ShellCall& call) {
  return "Execute owner=" + call.Owner + " verb=" + call.Verb + " file=" + call.File +
         " parameters=" + call.Parameters + " folder=" + (call.Folder ? *call.Folder : std::string("(none)")) +
         " show=" + std::to_string(call.ShowCommand);
}

bool FakeShell::Execute(ui::Form* owner, const std::string& verb, const std::string& file,
                        const std::string& parameters, const std::optional<std::string>& folder, int showCommand) {
  ShellCall call{owner ? owner->Name() : std::string(), verb, file, parameters, folder, showCommand};
  log_->Record(Describe(call));
  calls_.push_back(call);
  if (onExecute) onExecute(call);
  return !(refuses_ && refuses_(call));
}

std::optional<std::string> FakeShell::SpecialFolderPath(int folder) {
  log_->Record("SpecialFolderPath " + std::to_string(folder));
  const auto found = specialFolders_.find(folder);
  return found != specialFolders_.end() ? found->second : std::nullopt;
}

void FakeShell::EmptyRecycleBin(ui::Form* owner) {
  log_->Record("EmptyRecycleBin owner=" + (owner ? owner->Name() : std::string()));
}

}  // namespace platform::headless
