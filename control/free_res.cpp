#include "control/free_res.h"

#include "platform/error.h"

namespace pelorin {

namespace {

// A 16-bit module handle below this is an error code.
constexpr platform::Kernel16::Module16 kFirstModuleHandle = 32;

}  // namespace

std::uint16_t FreeSystemResources(platform::Kernel16& kernel, std::uint16_t kind) {
  const platform::Kernel16::Module16 user = kernel.LoadLibrary16("User.exe");
  struct Release16 {
    platform::Kernel16& kernel;
    platform::Kernel16::Module16 module;
    ~Release16() { kernel.FreeLibrary16(module); }
  } releaseUser{kernel, user};
  if (user < kFirstModuleHandle) throw platform::Error("Faild to call User.exe");

  const platform::Kernel16::Proc16 procedure = kernel.GetProcAddress16(user, "GetFreeSystemResources");
  if (procedure == 0) throw platform::Error("Faild to call function");

  const platform::Kernel16::Library kernel32 = kernel.LoadLibrary32("Kernel32.dll");
  if (kernel32 == nullptr) throw platform::Error("Faild to call Kernel32.dll");
  struct Release32 {
    platform::Kernel16& kernel;
    platform::Kernel16::Library library;
    ~Release32() { kernel.FreeLibrary32(library); }
  } releaseKernel32{kernel, kernel32};

  const platform::Kernel16::Thunk thunk = kernel.GetQtThunk(kernel32);
  if (thunk == nullptr) throw platform::Error("Faild to call QT_Thunk");
  return kernel.Call16(thunk, procedure, kind);
}

}  // namespace pelorin
