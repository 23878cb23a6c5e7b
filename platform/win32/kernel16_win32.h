#pragma once
// The 9x family's 16-bit entry points of kernel32, looked up at run time so
// that the exe still starts where they do not exist.

#include "platform/kernel16.h"

namespace platform::win32 {

class Kernel16Win32 : public Kernel16 {
 public:
  Module16 LoadLibrary16(const std::string& name) override;
  void FreeLibrary16(Module16 module) override;
  Proc16 GetProcAddress16(Module16 module, const std::string& name) override;
  Library LoadLibrary32(const std::string& name) override;
  void FreeLibrary32(Library library) override;
  Thunk GetQtThunk(Library library) override;
  std::uint16_t Call16(Thunk thunk, Proc16 procedure, std::uint16_t argument) override;
};

}  // namespace platform::win32
