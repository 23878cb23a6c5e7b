// Popup menus (#32768). Another process cannot read a menu's items under
// Wine, so read-menus loads e2e_menu_reader.dll into the menu's owner and
// runs its WriteOpenMenus there; the records come back through a file.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "common/args.h"
#include "common/failure.h"
#include "common/paths.h"
#include "common/process_memory.h"
#include "common/record.h"
#include "common/utf8.h"
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
    wchar_t folder[MAX_PATH];
    wchar_t file[MAX_PATH];
    if (!GetTempPathW(MAX_PATH, folder) || !GetTempFileNameW(folder, L"mnu", 0, file)) {
      FailWithLastError("GetTempFileNameW");
    }
    path_ = file;
  }
  ~TemporaryFile() { DeleteFileW(path_.c_str()); }
  const std::wstring& Path() const { return path_; }

 private:
  std::wstring path_;
};

// The address of the reader's entry in a process that loaded the DLL at
// remoteBase: the same offset as in this process.
LPTHREAD_START_ROUTINE RemoteEntry(const std::string& dllPath, HMODULE remoteBase) {
  HMODULE local = LoadLibraryW(Wide(dllPath).c_str());
  if (!local) FailWithLastError("LoadLibraryW(" + dllPath + ")");
  FARPROC entry = GetProcAddress(local, kReaderEntry);
  if (!entry) FailWithLastError("GetProcAddress");
  auto offset = reinterpret_cast<UINT_PTR>(entry) - reinterpret_cast<UINT_PTR>(local);
  return reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<UINT_PTR>(remoteBase) + offset);
}

// A wide string's bytes with its final NUL, for the memory of another process.
std::size_t SizeWithNul(const std::wstring& text) { return (text.size() + 1) * sizeof(wchar_t); }

std::string ReadWholeFile(const std::wstring& path) {
  std::string bytes;
  if (FILE* in = _wfopen(path.c_str(), L"rb")) {
    char buffer[4096];
    for (std::size_t count; (count = std::fread(buffer, 1, sizeof buffer, in)) > 0;) bytes.append(buffer, count);
    std::fclose(in);
  }
  return bytes;
}

template <class Function>
LPTHREAD_START_ROUTINE Kernel32Entry(Function* function) {
  return reinterpret_cast<LPTHREAD_START_ROUTINE>(reinterpret_cast<void*>(function));
}

// Whether the menu's thread runs its menu loop (the keys a test posts wait
// in the queue until it does).
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
  // Every menu on the screen counts, tracked or not: under Wine a menu has
  // been seen on the screen for a whole wait while its thread was not
  // reported in menu mode. Waiting ends early only once all are tracked.
  std::vector<HWND> menus;
  PollUntil(args.Number("wait-ms", 0), [&] {
    menus = filter.Find();
    return !menus.empty() && std::all_of(menus.begin(), menus.end(), IsTracking);
  });
  for (HWND menu : menus) {
    Record record;
    DescribeWindow(record, menu);
    record.Bool("tracking", IsTracking(menu)).WriteTo(stdout);
  }
  return menus.empty() ? 1 : 0;
}

int ReadMenus(const Words& words) {
  Args args(words, {"pid"});
  auto pid = static_cast<DWORD>(args.RequiredNumber("pid"));
  const std::string dllPath = FolderOf(ModulePath()) + kReaderDll;
  const std::wstring wideDllPath = Wide(dllPath);
  TemporaryFile output;

  ProcessHandle process(pid, PROCESS_CREATE_THREAD | PROCESS_VM_OPERATION | PROCESS_VM_WRITE | PROCESS_VM_READ |
                                 PROCESS_QUERY_INFORMATION);
  RemoteBuffer remoteDllPath(process.Get(), wideDllPath.c_str(), SizeWithNul(wideDllPath));
  // The thread's exit code holds only the low 32 bits of the module handle
  // LoadLibraryW returns; the target's module list gives all of it.
  RunRemoteThread(process.Get(), Kernel32Entry(LoadLibraryW), remoteDllPath.Address(), kRemoteTimeoutMs);
  HMODULE remoteBase = FindRemoteModule(pid, dllPath);
  if (!remoteBase) throw Failure("the target could not load " + dllPath);

  RemoteBuffer remoteOutput(process.Get(), output.Path().c_str(), SizeWithNul(output.Path()));
  DWORD status =
      RunRemoteThread(process.Get(), RemoteEntry(dllPath, remoteBase), remoteOutput.Address(), kRemoteTimeoutMs);
  RunRemoteThread(process.Get(), Kernel32Entry(FreeLibrary), remoteBase, kRemoteTimeoutMs);
  if (status != 0) throw Failure("the menu reader failed with status " + std::to_string(status));

  const std::string records = ReadWholeFile(output.Path());
  std::fwrite(records.data(), 1, records.size(), stdout);
  return 0;
}

}  // namespace e2e
