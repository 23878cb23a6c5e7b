#pragma once
// Icons service for tests: fake icons (see fake_icons.h) described
// "shell:<path>" and "<path>,<index>"; every query is recorded.

#include <map>
#include <set>
#include <string>

#include "platform/headless/call_log.h"
#include "platform/icons.h"

namespace platform::headless {

class FakeIcons : public Icons {
 public:
  // The log may be shared with other fakes; without one the fake keeps its own.
  explicit FakeIcons(CallLog* log = nullptr) : log_(log ? log : &ownLog_) {}

  // Every path has a shell icon unless SetNoShellIcon named it.
  Icon ShellIcon(const std::string& path) override;
  // An icon for 0 <= index < IconCount(path), none otherwise.
  Icon IconInFile(const std::string& path, int index) override;
  // As set with SetIconCount; 0 for any other path.
  int IconCount(const std::string& path) override;
  // A new fake icon with the same description.
  Icon CopyOf(const Icon& icon) override;

  void SetNoShellIcon(const std::string& path) { noShellIcon_.insert(path); }
  void SetIconCount(const std::string& path, int count) { counts_[path] = count; }

  const CallLog& Log() const { return *log_; }

 protected:
  // Recorded as "BeginReading" and "EndReading".
  void BeginReading() override;
  void EndReading() override;

 private:
  int CountOf(const std::string& path) const;

  CallLog ownLog_;
  CallLog* log_;
  std::set<std::string> noShellIcon_;
  std::map<std::string, int> counts_;
};

}  // namespace platform::headless
