// Which control of a program has the keyboard focus, and shell links made
// as a user's shell makes them (for dropped shortcuts).

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>

#include "common/args.h"
#include "common/failure.h"
#include "common/record.h"
#include "common/window_info.h"
#include "probe/commands.h"

namespace e2e {

int Focus(const Words& words) {
  Args args(words, {"hwnd"});
  const auto window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(args.RequiredNumber("hwnd")));
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) FailWithLastError("GetGUIThreadInfo");
  if (info.hwndFocus == nullptr) return 1;
  Record record;
  DescribeWindow(record, info.hwndFocus);
  record.WriteTo(stdout);
  return 0;
}

int MakeLink(const Words& words) {
  Args args(words, {"link", "target"});
  const std::string link = args.Text("link");
  const std::string target = args.Text("target");
  if (FAILED(CoInitialize(nullptr))) throw Failure("CoInitialize failed");
  IShellLinkA* shellLink = nullptr;
  HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                    reinterpret_cast<void**>(&shellLink));
  if (FAILED(result)) throw Failure("CoCreateInstance(ShellLink) failed");
  // An empty target makes a link without a file-system target.
  if (!target.empty()) shellLink->SetPath(target.c_str());
  IPersistFile* file = nullptr;
  result = shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
  if (SUCCEEDED(result)) {
    wchar_t wide[MAX_PATH * 2] = {};
    MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH * 2);
    result = file->Save(wide, TRUE);
    file->Release();
  }
  shellLink->Release();
  CoUninitialize();
  if (FAILED(result)) throw Failure("saving the link failed: " + link);
  return 0;
}

}  // namespace e2e
