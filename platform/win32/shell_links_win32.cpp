#include "platform/win32/shell_links_win32.h"

#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlguid.h>
#include <shlobj.h>

#include <string>

#include "platform/win32/file_system_win32.h"
#include "platform/win32/first_use_win32.h"
#include "platform/win32/system_names_win32.h"
#include "platform/win32/wide_text.h"

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

// path made absolute, as IPersistFile wants it.
std::wstring FullPath(const std::string& path) {
  const std::wstring wide = Wide(path);
  const DWORD size = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (size == 0) return wide;
  std::wstring full(size, L'\0');
  const DWORD length = GetFullPathNameW(wide.c_str(), size, full.data(), nullptr);
  if (length == 0 || length >= size) return wide;
  full.resize(length);
  return full;
}

// Reads one text of the link through a MAX_PATH buffer: up to the first zero
// on success (S_FALSE included), empty on a failure code or when a character
// has no code page 932 form.
template <typename Read>
std::string LinkText(Read read) {
  wchar_t buffer[MAX_PATH] = {};
  if (FAILED(read(buffer, MAX_PATH))) return {};
  buffer[MAX_PATH - 1] = L'\0';
  std::string text;
  if (!NarrowExact(buffer, text)) text.clear();
  return text;
}

// The link's target, whole. Its ID list names the target in UTF-16, as the
// shell starts it; Wine's GetPath gives the copy of the path it keeps in the
// system code page, with '?' for other characters. A target the ID list
// cannot name (none, or past MAX_PATH) comes from GetPath: the shell cuts a
// path at the buffer's size without saying so, so the buffer holds the
// longest path there is.
std::u16string LinkTarget(IShellLinkW& link) {
  LPITEMIDLIST list = nullptr;
  if (SUCCEEDED(link.GetIDList(&list)) && list != nullptr) {
    wchar_t path[MAX_PATH] = {};
    const BOOL named = SHGetPathFromIDListW(list, path);
    CoTaskMemFree(list);
    if (named && path[0] != L'\0') return std::u16string(AsUtf16(path));
  }
  constexpr int kLongestPath = 32768;
  std::wstring buffer(kLongestPath, L'\0');
  WIN32_FIND_DATAW findData;
  if (FAILED(link.GetPath(buffer.data(), kLongestPath, &findData, 0))) return {};
  const std::size_t end = buffer.find(L'\0');
  if (end == std::wstring::npos) return {};
  buffer.resize(end);
  return std::u16string(AsUtf16(buffer));
}

FileResult ComFailure(HRESULT result) {
  return FileResult::Failure(SystemErrorMessage(static_cast<unsigned long>(result)));
}

}  // namespace

bool ShellLinksWin32::Load(const std::string& path, LoadedShellLink& link) {
  EnsureComApartment();
  ComPtr<IShellLinkW> shellLink;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, shellLink.Out()))) {
    return false;
  }
  ComPtr<IPersistFile> file;
  if (FAILED(shellLink->QueryInterface(IID_IPersistFile, file.Out()))) return false;
  if (FAILED(file->Load(FullPath(path).c_str(), 0))) return false;

  LoadedShellLink read;
  std::u16string target = LinkTarget(*shellLink.Get());
  read.Target = target.empty() ? SystemName{} : SystemNameOf(std::move(target));
  read.Arguments = LinkText([&](wchar_t* b, int n) { return shellLink->GetArguments(b, n); });
  read.WorkingDirectory = LinkText([&](wchar_t* b, int n) { return shellLink->GetWorkingDirectory(b, n); });
  read.Description = LinkText([&](wchar_t* b, int n) { return shellLink->GetDescription(b, n); });
  int iconIndex = 0;
  bool iconRead = false;
  read.IconLocation = LinkText([&](wchar_t* b, int n) {
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
  ComPtr<IShellLinkW> shellLink;
  HRESULT result =
      CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, shellLink.Out());
  if (FAILED(result)) return ComFailure(result);
  shellLink->SetArguments(Wide(link.Arguments).c_str());
  shellLink->SetPath(Wide(link.TargetPath).c_str());
  shellLink->SetWorkingDirectory(Wide(link.WorkingDirectory).c_str());
  if (!link.Description.empty()) shellLink->SetDescription(Wide(link.Description).c_str());
  if (!link.IconLocation.empty()) shellLink->SetIconLocation(Wide(link.IconLocation).c_str(), link.IconIndex);
  ComPtr<IPersistFile> file;
  result = shellLink->QueryInterface(IID_IPersistFile, file.Out());
  if (FAILED(result)) return ComFailure(result);
  result = file->Save(FileCallPath(path).c_str(), FALSE);
  if (FAILED(result)) return ComFailure(result);
  return FileResult::Success();
}

}  // namespace platform::win32
