// Popup menus (#32768). Another process cannot read a menu's items under
// Wine, so read-menus loads e2e_menu_reader.dll into the menu's owner and
// runs its WriteOpenMenus there; the records come back through a file.

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "common/args.h"
#include "common/failure.h"
#include "common/paths.h"
#include "common/process_memory.h"
#include "common/record.h"
#include "common/window_info.h"
#include "probe/commands.h"
#include "probe/polling.h"
#include "probe/window_filter.h"

namespace e2e {
namespace {

constexpr DWORD kRemoteTimeoutMs = 10000;
constexpr char kReaderDll[] = "e2e_menu_reader.dll";
constexpr char kReaderEntry[] = "WriteOpenMenus";

class TemporaryFile {
 public:
  TemporaryFile() {
    char folder[MAX_PATH];
    char file[MAX_PATH];
    if (!GetTempPathA(sizeof folder, folder) || !GetTempFileNameA(folder, "mnu", 0, file)) {
      FailWithLastError("GetTempFileNameA");
    }
    path_ = file;
  }
  ~TemporaryFile() { DeleteFileA(path_.c_str()); }
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// The address of the reader's entry in a process that loaded the DLL at
// remoteBase: the same offset as in this process.
LPTHREAD_START_ROUTINE RemoteEntry(const std::string& dllPath, HMODULE remoteBase) {
  HMODULE local = LoadLibraryA(dllPath.c_str());
  if (!local) FailWithLastError("LoadLibraryA(" + dllPath + ")");
  FARPROC entry = GetProcAddress(local, kReaderEntry);
  if (!entry) FailWithLastError("GetProcAddress");
  auto offset = reinterpret_cast<UINT_PTR>(entry) - reinterpret_cast<UINT_PTR>(local);
  return reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<UINT_PTR>(remoteBase) + offset);
}

template <class Function>
LPTHREAD_START_ROUTINE Kernel32Entry(Function* function) {
  return reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<void*>(function));
}

// A menu window takes keys once its thread runs the menu loop; before that
// (shown, loop not entered yet) a posted key may be lost.
bool IsTracking(HWND menu) {
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  return GetGUIThreadInfo(GetWindowThreadProcessId(menu, nullptr), &gui) && (gui.flags & GUI_INMENUMODE) != 0;
}

}  // namespace

int Menus(const Words& words) {
  Args args(words, {"pid", "wait-ms"});
  WindowFilter filter;
  filter.pid = static_cast<DWORD>(args.RequiredNumber("pid"));
  filter.className = "#32768";
  std::vector<HWND> menus;
  PollUntil(args.Number("wait-ms", 0), [&] {
    menus.clear();
    for (HWND menu : filter.Find()) {
      if (IsTracking(menu)) menus.push_back(menu);
    }
    return !menus.empty();
  });
  for (HWND menu : menus) {
    Record record;
    DescribeWindow(record, menu);
    record.WriteTo(stdout);
  }
  return menus.empty() ? 1 : 0;
}

int ReadMenus(const Words& words) {
  Args args(words, {"pid"});
  auto pid = static_cast<DWORD>(args.RequiredNumber("pid"));
  std::string dllPath = FolderOf(ModulePath()) + kReaderDll;
  TemporaryFile output;

  ProcessHandle process(pid, PROCESS_CREATE_THREAD | PROCESS_VM_OPERATION | PROCESS_VM_WRITE | PROCESS_VM_READ |
                                 PROCESS_QUERY_INFORMATION);
  RemoteBuffer remoteDllPath(process.Get(), dllPath.c_str(), dllPath.size() + 1);
  // The thread's exit code holds only the low 32 bits of the module handle
  // LoadLibraryA returns; the target's module list gives all of it.
  RunRemoteThread(process.Get(), Kernel32Entry(LoadLibraryA), remoteDllPath.Address(), kRemoteTimeoutMs);
  HMODULE remoteBase = FindRemoteModule(pid, dllPath);
  if (!remoteBase) throw Failure("the target could not load " + dllPath);

  RemoteBuffer remoteOutput(process.Get(), output.Path().c_str(), output.Path().size() + 1);
  DWORD status =
      RunRemoteThread(process.Get(), RemoteEntry(dllPath, remoteBase), remoteOutput.Address(), kRemoteTimeoutMs);
  RunRemoteThread(process.Get(), Kernel32Entry(FreeLibrary), remoteBase, kRemoteTimeoutMs);
  if (status != 0) throw Failure("the menu reader failed with status " + std::to_string(status));

  std::ifstream in(output.Path(), std::ios::binary);
  std::string records((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::fwrite(records.data(), 1, records.size(), stdout);
  return 0;
}

}  // namespace e2e
