#pragma once
// Shell-link stand-in for tests: shortcuts live in a table keyed by path.
// The test puts links there; Save adds to it; every call is recorded. With a
// fake file system, Save also leaves a file there (so it can be deleted) and
// fails where the folder is missing, as the shell does. A link's target is
// read back as the system names it: its path in UTF-16 without a short form,
// unless SetTargetName gave another name.

#include <map>
#include <optional>
#include <string>

#include "platform/headless/call_log.h"
#include "platform/headless/fake_file_system.h"
#include "platform/shell_links.h"

namespace platform::headless {

class FakeShellLinks : public ShellLinks {
 public:
  // The log may be shared with other fakes; without one the fake keeps its own.
  explicit FakeShellLinks(CallLog* log = nullptr, FakeFileSystem* files = nullptr)
      : log_(log ? log : &ownLog_), files_(files) {}

  // Records "LoadShellLink <path>"; false for a path not in the table.
  bool Load(const std::string& path, LoadedShellLink& link) override;
  // Records "SaveShellLink <path>"; stores the link unless a failure was set.
  FileResult Save(const std::string& path, const ShellLinkData& link) override;

  void SetLink(const std::string& path, ShellLinkData link) { links_[path] = std::move(link); }
  // The link at path points to target, as the system names it (one the
  // program may not keep).
  void SetTargetName(const std::string& path, SystemName target) { targetNames_[path] = std::move(target); }
  // The link saved or set at path, if any.
  std::optional<ShellLinkData> LinkAt(const std::string& path) const;
  // Makes every later Save fail with message.
  void FailSaves(std::string message) { saveFailure_ = std::move(message); }

  const CallLog& Log() const { return *log_; }

 private:
  CallLog ownLog_;
  CallLog* log_;
  FakeFileSystem* files_;
  std::map<std::string, ShellLinkData> links_;
  std::map<std::string, SystemName> targetNames_;
  std::optional<std::string> saveFailure_;
};

}  // namespace platform::headless
