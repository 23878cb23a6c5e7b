#include "platform/win32/shell_links_win32.h"

#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlguid.h>
#include <shlobj.h>

#include <vector>

#include "platform/win32/file_system_win32.h"
#include "platform/win32/first_use_win32.h"

namespace platform::win32 {

namespace {

// Holds one COM interface pointer and releases it.
template <typename Interface>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() {
    if (pointer_ != nullptr) pointer_->Release();
  }
  Interface* operator->() const { return pointer_; }
  Interface* Get() const { return pointer_; }
  void** Out() { return reinterpret_cast<void**>(&pointer_); }

 private:
  Interface* pointer_ = nullptr;
};

// The path as UTF-16 through the ANSI code page, as IPersistFile wants it.
std::wstring Wide(const std::string& path) {
  const int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
  wide.resize(static_cast<size_t>(length - 1));
  return wide;
}

std::string FullPath(const std::string& path) {
  char buffer[MAX_PATH];
  char* namePart = nullptr;
  const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, buffer, &namePart);
  if (length == 0 || length >= MAX_PATH) return path;
  return std::string(buffer, length);
}

// Reads one text of the link through a 260-byte buffer: up to the first zero
// byte on success (S_FALSE included), empty on a failure code.
template <typename Read>
std::string LinkText(Read read) {
  char buffer[MAX_PATH] = {};
  if (FAILED(read(buffer, static_cast<int>(sizeof buffer)))) return {};
  buffer[MAX_PATH - 1] = '\0';
  return std::string(buffer);
}

FileResult ComFailure(HRESULT result) {
  return FileResult::Failure(SystemErrorMessage(static_cast<unsigned long>(result)));
}

}  // namespace

bool ShellLinksWin32::Load(const std::string& path, ShellLinkData& link) {
  EnsureComApartment();
  ComPtr<IShellLinkA> shellLink;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, shellLink.Out()))) {
    return false;
  }
  ComPtr<IPersistFile> file;
  if (FAILED(shellLink->QueryInterface(IID_IPersistFile, file.Out()))) return false;
  const std::wstring widePath = Wide(FullPath(path));
  if (FAILED(file->Load(widePath.c_str(), 0))) return false;

  ShellLinkData read;
  WIN32_FIND_DATAA findData;
  read.TargetPath = LinkText([&](char* b, int n) { return shellLink->GetPath(b, n, &findData, 0); });
  read.Arguments = LinkText([&](char* b, int n) { return shellLink->GetArguments(b, n); });
  read.WorkingDirectory = LinkText([&](char* b, int n) { return shellLink->GetWorkingDirectory(b, n); });
  read.Description = LinkText([&](char* b, int n) { return shellLink->GetDescription(b, n); });
  int iconIndex = 0;
  bool iconRead = false;
  read.IconLocation = LinkText([&](char* b, int n) {
    const HRESULT result = shellLink->GetIconLocation(b, n, &iconIndex);
    iconRead = SUCCEEDED(result);
    return result;
  });
  read.IconIndex = iconRead ? iconIndex : 0;
  int showCommand = 0;
  read.ShowCommand = SUCCEEDED(shellLink->GetShowCmd(&showCommand)) ? showCommand : 0;
  link = std::move(read);
  return true;
}

FileResult ShellLinksWin32::Save(const std::string& path, const ShellLinkData& link) {
  EnsureComApartment();
  ComPtr<IShellLinkA> shellLink;
  HRESULT result =
      CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA, shellLink.Out());
  if (FAILED(result)) return ComFailure(result);
  shellLink->SetArguments(link.Arguments.c_str());
  shellLink->SetPath(link.TargetPath.c_str());
  shellLink->SetWorkingDirectory(link.WorkingDirectory.c_str());
  if (!link.Description.empty()) shellLink->SetDescription(link.Description.c_str());
  if (!link.IconLocation.empty()) shellLink->SetIconLocation(link.IconLocation.c_str(), link.IconIndex);
  ComPtr<IPersistFile> file;
  result = shellLink->QueryInterface(IID_IPersistFile, file.Out());
  if (FAILED(result)) return ComFailure(result);
  const std::wstring widePath = Wide(path);
  result = file->Save(widePath.c_str(), FALSE);
  if (FAILED(result)) return ComFailure(result);
  return FileResult::Success();
}

}  // namespace platform::win32
