#include "platform/win32/shell_links_win32.h"

#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlguid.h>
#include <shlobj.h>

#include <string>

#include "platform/win32/file_system_win32.h"
#include "platform/text.h"
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

// buffer made empty, for a call that may succeed without writing to it.
wchar_t* Emptied(wchar_t* buffer) {
  buffer[0] = L'\0';
  return buffer;
}

// The text a link call read into buffer (MAX_PATH units): up to the first
// zero on success (S_FALSE included), empty on a failure code or when a
// character has no code page 932 form.
std::string LinkText(HRESULT result, wchar_t* buffer) {
  std::string text;
  if (FAILED(result)) return text;
  buffer[MAX_PATH - 1] = L'\0';
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
  std::u16string buffer(kLongestPath, u'\0');
  WIN32_FIND_DATAW findData;
  if (FAILED(link.GetPath(reinterpret_cast<wchar_t*>(buffer.data()), kLongestPath, &findData, 0))) return {};
  buffer.resize(std::char_traits<char16_t>::length(buffer.c_str()));
  return buffer;
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
  // Made absolute, as IPersistFile wants it.
  wchar_t buffer[MAX_PATH];
  const DWORD length = GetFullPathNameW(AsWide(WideFromCp932(path)), MAX_PATH, buffer, nullptr);
  if (length == 0 || length >= MAX_PATH || FAILED(file->Load(buffer, 0))) return false;

  LoadedShellLink read;
  std::u16string target = LinkTarget(*shellLink.Get());
  if (!target.empty()) read.TargetPath = SystemNameOf(std::move(target));
  read.Arguments = LinkText(shellLink->GetArguments(Emptied(buffer), MAX_PATH), buffer);
  read.WorkingDirectory = LinkText(shellLink->GetWorkingDirectory(Emptied(buffer), MAX_PATH), buffer);
  read.Description = LinkText(shellLink->GetDescription(Emptied(buffer), MAX_PATH), buffer);
  int iconIndex = 0;
  const HRESULT iconResult = shellLink->GetIconLocation(Emptied(buffer), MAX_PATH, &iconIndex);
  read.IconLocation = LinkText(iconResult, buffer);
  read.IconIndex = SUCCEEDED(iconResult) ? iconIndex : 0;
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
  result = file->Save(AsWide(FileCallPath(path)), FALSE);
  if (FAILED(result)) return ComFailure(result);
  return FileResult::Success();
}

}  // namespace platform::win32
