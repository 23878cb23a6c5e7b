#pragma once
// The 9x family's way into its 16-bit system modules: three functions that
// kernel32 exports by ordinal only (35 loads a 16-bit module, 36 frees it,
// 37 finds a procedure in it) and the flat thunk QT_Thunk through which
// 32-bit code calls a 16-bit procedure. Only meaningful on that family:
// elsewhere the ordinals are other functions, so callers check first.

#include <cstdint>
#include <string>

namespace platform {

class Kernel16 {
 public:
  using Module16 = std::uint32_t;  // below 32: loading failed
  using Proc16 = std::uint32_t;    // segment:offset; 0 when absent
  using Library = void*;           // a 32-bit module; nullptr when not loaded
  using Thunk = void*;

  virtual ~Kernel16() = default;

  virtual Module16 LoadLibrary16(const std::string& name) = 0;
  virtual void FreeLibrary16(Module16 module) = 0;
  virtual Proc16 GetProcAddress16(Module16 module, const std::string& name) = 0;

  virtual Library LoadLibrary32(const std::string& name) = 0;
  virtual void FreeLibrary32(Library library) = 0;
  virtual Thunk GetQtThunk(Library library) = 0;
  // Calls a 16-bit procedure with one 16-bit argument through the thunk.
  virtual std::uint16_t Call16(Thunk thunk, Proc16 procedure, std::uint16_t argument) = 0;
};

}  // namespace platform
