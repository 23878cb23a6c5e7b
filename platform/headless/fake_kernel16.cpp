#include "platform/headless/fake_kernel16.h"

namespace platform::headless {

Kernel16::Module16 FakeKernel16::LoadLibrary16(const std::string& name) {
  log_->Record("LoadLibrary16 " + name);
  return module16;
}

void FakeKernel16::FreeLibrary16(Module16 module) { log_->Record("FreeLibrary16 " + std::to_string(module)); }

Kernel16::Proc16 FakeKernel16::GetProcAddress16(Module16 module, const std::string& name) {
  log_->Record("GetProcAddress16 " + std::to_string(module) + " " + name);
  return procedure;
}

Kernel16::Library FakeKernel16::LoadLibrary32(const std::string& name) {
  log_->Record("LoadLibrary32 " + name);
  return libraryLoads ? &libraryToken_ : nullptr;
}

void FakeKernel16::FreeLibrary32(Library library) {
  log_->Record(library == &libraryToken_ ? "FreeLibrary32 loaded" : "FreeLibrary32 unknown");
}

Kernel16::Thunk FakeKernel16::GetQtThunk(Library library) {
  log_->Record(library == &libraryToken_ ? "GetQtThunk loaded" : "GetQtThunk unknown");
  return thunkFound ? &thunkToken_ : nullptr;
}

std::uint16_t FakeKernel16::Call16(Thunk thunk, Proc16 procedure, std::uint16_t argument) {
  log_->Record("Call16 " + std::to_string(procedure) + " " + std::to_string(argument) +
               (thunk == &thunkToken_ ? "" : " through an unknown thunk"));
  return freePercent;
}

}  // namespace platform::headless
