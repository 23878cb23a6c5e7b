#pragma once
// Shell stand-in for tests: records every start with its arguments and
// starts nothing. Each call succeeds unless the test's refusal rule says no.
// Special folders are those the test set; the recycle bin is only recorded.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless/call_log.h"
#include "platform/shell.h"

namespace platform::headless {

struct ShellCall {
  std::string Owner;  // the owner form's name; empty for the application's window
  std::string Verb;
  std::string File;
  std::string Parameters;
  std::optional<std::string> Folder;
  int ShowCommand = 0;

  bool operator==(const ShellCall&) const = default;
};

class FakeShell : public Shell {
 public:
  // The log may be shared with other fakes; without one the fake keeps its own.
  explicit FakeShell(CallLog* log = nullptr) : log_(log ? log : &ownLog_) {}

  bool Execute(ui::Form* owner, const std::string& verb, const std::string& file, const std::string& parameters,
               const std::optional<std::string>& folder, int showCommand) override;
  // Records "SpecialFolderPath <folder>".
  std::optional<std::string> SpecialFolderPath(int folder) override;
  // Records "EmptyRecycleBin owner=<form>".
  void EmptyRecycleBin(ui::Form* owner) override;

  // A folder the test did not set (or set to nothing) is one the system cannot determine.
  void SetSpecialFolder(int folder, std::optional<std::string> path) { specialFolders_[folder] = std::move(path); }

  const std::vector<ShellCall>& Calls() const { return calls_; }
  void ClearCalls() { calls_.clear(); }
  // Calls for which refuses returns true fail (they are still recorded).
  void SetRefusal(std::function<bool(const ShellCall&)> refuses) { refuses_ = std::move(refuses); }

  // Runs inside each call, so a test can look at the program's state at that moment.
  std::function<void(const ShellCall&)> onExecute;

  const CallLog& Log() const { return *log_; }

 private:
  CallLog ownLog_;
  CallLog* log_;
  std::vector<ShellCall> calls_;
  std::function<bool(const ShellCall&)> refuses_;
  std::map<int, std::optional<std::string>> specialFolders_;
};

// "Execute owner=Form1 verb=OPEN file=C:\a.exe parameters=-x folder=C:\ show=1"; folder=(none) for no folder.
std::string Describe(const ShellCall& call);

}  // namespace platform::headless
