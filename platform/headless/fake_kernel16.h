#pragma once
// The 9x family's 16-bit entry points for tests: each step answers what the
// test set (success by default, with 70 % free) and every call is recorded,
// so a test can see which modules were released.

#include <cstdint>

#include "platform/headless/call_log.h"
#include "platform/kernel16.h"

namespace platform::headless {

class FakeKernel16 : public Kernel16 {
 public:
  explicit FakeKernel16(CallLog* log = nullptr) : log_(log ? log : &ownLog_) {}

  Module16 LoadLibrary16(const std::string& name) override;
  void FreeLibrary16(Module16 module) override;
  Proc16 GetProcAddress16(Module16 module, const std::string& name) override;
  Library LoadLibrary32(const std::string& name) override;
  void FreeLibrary32(Library library) override;
  Thunk GetQtThunk(Library library) override;
  std::uint16_t Call16(Thunk thunk, Proc16 procedure, std::uint16_t argument) override;

  // What the steps answer; a failing step answers 0 or nothing.
  Module16 module16 = 0x1F47;
  Proc16 procedure = 0x01170042;
  bool libraryLoads = true;
  bool thunkFound = true;
  std::uint16_t freePercent = 70;

 private:
  CallLog ownLog_;
  CallLog* log_;
  int libraryToken_ = 0;
  int thunkToken_ = 0;
};

}  // namespace platform::headless
