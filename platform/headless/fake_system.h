#pragma once
// The machine for tests: the platform family, local time and memory are
// what the test set (an NT-family system by default); privilege requests
// and ends of the session are only recorded.

#include "platform/headless/call_log.h"
#include "platform/locale.h"
#include "platform/system.h"

namespace platform::headless {

class FakeSystem : public System {
 public:
  explicit FakeSystem(CallLog* log = nullptr) : log_(log ? log : &ownLog_) {}

  bool IsNtFamily() override { return ntFamily_; }
  LocalTime Now() override { return now_; }
  MemoryStatus Memory() override { return memory_; }
  // Records "EnableShutdownPrivilege".
  void EnableShutdownPrivilege() override;
  // Records "EndSession <flags>".
  void EndSession(unsigned flags) override;

  void SetNtFamily(bool nt) { ntFamily_ = nt; }
  void SetNow(const LocalTime& now) { now_ = now; }
  void SetMemory(const MemoryStatus& memory) { memory_ = memory; }

 private:
  CallLog ownLog_;
  CallLog* log_;
  bool ntFamily_ = true;
  LocalTime now_{2026, 12, 8, 16, 25, 15, 0};
  MemoryStatus memory_{512ull << 20, 256ull << 20};
};

// Japan's defaults: "2026/12/08", "16:25:15", ",".
class FakeLocale : public Locale {
 public:
  std::string ShortDate(const LocalTime& time) override;
  std::string LongTime(const LocalTime& time) override;
  std::string ThousandsSeparator() override { return ","; }
};

}  // namespace platform::headless
