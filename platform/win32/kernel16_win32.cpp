#include "platform/win32/kernel16_win32.h"

#include <windows.h>

#include "platform/win32/wide_text.h"

namespace platform::win32 {

namespace {

constexpr WORD kLoadLibrary16 = 35;
constexpr WORD kFreeLibrary16 = 36;
constexpr WORD kGetProcAddress16 = 37;

using LoadLibrary16Function = WORD(WINAPI*)(LPCSTR);
using FreeLibrary16Function = void(WINAPI*)(WORD);
using GetProcAddress16Function = DWORD(WINAPI*)(WORD, LPCSTR);

template <typename Function>
Function KernelOrdinal(WORD ordinal) {
  const HMODULE kernel = GetModuleHandleW(L"kernel32.dll");
  if (kernel == nullptr) return nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(kernel, MAKEINTRESOURCEA(ordinal))));
}

#if defined(__i386__)
// QT_Thunk takes the 16-bit target in EDX and the arguments on the stack,
// and uses the 60 bytes below the caller's frame pointer as scratch space:
// the call gets a frame of its own with that much room, so nothing the
// compiler keeps there is overwritten.
std::uint16_t CallThroughQtThunk(void* thunk, DWORD procedure, WORD argument) {
  DWORD target = procedure;
  DWORD returned = 0;
  asm volatile(
      "pushl %%ebp\n\t"
      "movl %%esp, %%ebp\n\t"
      "subl $64, %%esp\n\t"
      "pushw %w[argument]\n\t"
      "call *%[thunk]\n\t"
      "movl %%ebp, %%esp\n\t"
      "popl %%ebp"
      : "=a"(returned), "+d"(target)
      : [argument] "r"(argument), [thunk] "r"(thunk)
      : "ecx", "memory", "cc");
  return static_cast<std::uint16_t>(returned);
}
#endif

}  // namespace

Kernel16::Module16 Kernel16Win32::LoadLibrary16(const std::string& name) {
  const auto load = KernelOrdinal<LoadLibrary16Function>(kLoadLibrary16);
  return load != nullptr ? load(name.c_str()) : 0;
}

void Kernel16Win32::FreeLibrary16(Module16 module) {
  const auto free = KernelOrdinal<FreeLibrary16Function>(kFreeLibrary16);
  if (free != nullptr && module >= 32) free(static_cast<WORD>(module));
}

Kernel16::Proc16 Kernel16Win32::GetProcAddress16(Module16 module, const std::string& name) {
  const auto find = KernelOrdinal<GetProcAddress16Function>(kGetProcAddress16);
  return find != nullptr ? find(static_cast<WORD>(module), name.c_str()) : 0;
}

Kernel16::Library Kernel16Win32::LoadLibrary32(const std::string& name) {
  return reinterpret_cast<Library>(LoadLibraryW(Wide(name).c_str()));
}

void Kernel16Win32::FreeLibrary32(Library library) { FreeLibrary(reinterpret_cast<HMODULE>(library)); }

Kernel16::Thunk Kernel16Win32::GetQtThunk(Library library) {
  return reinterpret_cast<Thunk>(GetProcAddress(reinterpret_cast<HMODULE>(library), "QT_Thunk"));
}

std::uint16_t Kernel16Win32::Call16(Thunk thunk, Proc16 procedure, std::uint16_t argument) {
#if defined(__i386__)
  return CallThroughQtThunk(thunk, procedure, argument);
#else
  // No 16-bit code runs beside 64-bit code; the query is for the 9x family only.
  (void)thunk;
  (void)procedure;
  (void)argument;
  return 0;
#endif
}

}  // namespace platform::win32
