// Which control of a program has the keyboard focus, and shell links made
// and read as a user's shell does (dropped shortcuts, the start-up
// shortcut).

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <string>

#include "common/args.h"
#include "common/failure.h"
#include "common/record.h"
#include "common/utf8.h"
#include "common/window_info.h"
#include "probe/commands.h"

namespace e2e {
namespace {

// COM and a shell link object for one command; released in reverse order.
class ShellLink {
 public:
  ShellLink() {
    if (FAILED(CoInitialize(nullptr))) throw Failure("CoInitialize failed");
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(&link_))) ||
        FAILED(link_->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file_)))) {
      Release();
      throw Failure("no shell link object");
    }
  }
  ~ShellLink() { Release(); }
  ShellLink(const ShellLink&) = delete;
  ShellLink& operator=(const ShellLink&) = delete;

  IShellLinkW& Link() const { return *link_; }
  IPersistFile& File() const { return *file_; }

 private:
  void Release() {
    if (file_) file_->Release();
    if (link_) link_->Release();
    file_ = nullptr;
    link_ = nullptr;
    CoUninitialize();
  }

  IShellLinkW* link_ = nullptr;
  IPersistFile* file_ = nullptr;
};

// One of the link's texts, read by a getter taking a buffer and its size.
template <class Getter>
std::string LinkText(Getter getter) {
  wchar_t buffer[1024] = L"";
  if (FAILED(getter(buffer, 1024))) return {};
  return Utf8(buffer);
}

}  // namespace

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
  ShellLink shellLink;
  // An empty target makes a link without a file-system target.
  if (!target.empty()) shellLink.Link().SetPath(Wide(target).c_str());
  if (FAILED(shellLink.File().Save(Wide(link).c_str(), TRUE))) throw Failure("saving the link failed: " + link);
  return 0;
}

int ReadLink(const Words& words) {
  Args args(words, {"link"});
  const std::string link = args.Text("link");
  ShellLink shellLink;
  if (FAILED(shellLink.File().Load(Wide(link).c_str(), STGM_READ))) throw Failure("cannot load the link " + link);
  IShellLinkW& read = shellLink.Link();
  Record()
      .Text("target", LinkText([&](wchar_t* text, int size) { return read.GetPath(text, size, nullptr, 0); }))
      .Text("arguments", LinkText([&](wchar_t* text, int size) { return read.GetArguments(text, size); }))
      .Text("folder", LinkText([&](wchar_t* text, int size) { return read.GetWorkingDirectory(text, size); }))
      .WriteTo(stdout);
  return 0;
}

}  // namespace e2e
