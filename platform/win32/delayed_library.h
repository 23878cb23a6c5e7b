#pragma once
// A system DLL loaded at its first use instead of with the program: loading
// one costs start-up time and memory even when it is never called.

#include <windows.h>

namespace ui::win32 {

class DelayedLibrary {
 public:
  explicit DelayedLibrary(const char* name) : name_(name) {}
  ~DelayedLibrary() {
    if (module_ != nullptr) FreeLibrary(module_);
  }
  DelayedLibrary(const DelayedLibrary&) = delete;
  DelayedLibrary& operator=(const DelayedLibrary&) = delete;

  // The entry point; nullptr when the DLL or the entry cannot be found.
  template <class Function>
  Function Find(const char* entry) {
    if (!triedLoading_) {
      triedLoading_ = true;
      module_ = LoadLibraryA(name_);
    }
    if (module_ == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module_, entry)));
  }

 private:
  const char* name_;
  HMODULE module_ = nullptr;
  bool triedLoading_ = false;
};

}  // namespace ui::win32
