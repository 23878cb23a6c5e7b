// The common dialogs of the application: the file-open dialog, the folder
// browser and the font and colour dialogs, run modally over their owner form.

#include <windows.h>

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/text.h"
#include "platform/ui/file_open_dialog.h"
#include "platform/ui/font_color_dialogs.h"
#include "platform/ui/form.h"
#include "platform/win32/application_win32.h"
#include "platform/win32/first_use_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/system_names_win32.h"
#include "platform/win32/ui_windows.h"
#include "platform/win32/wide_text.h"

namespace ui::win32 {

namespace {

constexpr char kFontNameCannotBeSaved[] = "このフォントは名前に保存できない文字を含むため選べません";

// "a|b|c|d" as the common dialogs take it: NUL-separated, ending in two NULs.
// By characters: a double-byte character may have '|' as its second byte.
std::string FilterForDialog(const std::string& filter) {
  std::string result;
  for (std::size_t i = 0; i < filter.size(); ++i) {
    const char c = filter[i];
    if (platform::IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < filter.size()) {
      result += c;
      result += filter[++i];
      continue;
    }
    result += c == '|' ? '\0' : c;
  }
  result += '\0';
  return result;
}

// Copies a face name into LOGFONT's field, cut to what it holds.
void CopyFaceName(const std::string& name, wchar_t (&face)[LF_FACESIZE]) {
  const std::size_t length = platform::win32::Wide(name).copy(face, LF_FACESIZE - 1);
  face[length] = L'\0';
}

// Opens the browser with the root folder selected.
int CALLBACK SelectRootFolder(HWND window, UINT message, LPARAM, LPARAM root) {
  if (message == BFFM_INITIALIZED) SendMessageW(window, BFFM_SETSELECTIONW, ~WPARAM{0}, root);
  return 0;
}

}  // namespace

std::optional<platform::IncomingPath> ApplicationWin32::ChooseFileToOpen(FileOpenDialog& dialog) {
  // Wide, so that a name outside the code page comes whole, not with '?'.
  const std::u16string filter = platform::WideFromCp932(FilterForDialog(dialog.Filter()));
  const std::u16string title = platform::WideFromCp932(dialog.Title());
  const std::u16string initial = platform::WideFromCp932(dialog.FileName());
  // Room for any path the system can give back.
  std::u16string file(32768, u'\0');
  initial.copy(file.data(), std::min(initial.size(), file.size() - 1));
  OPENFILENAMEW info = {};
  info.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
  info.hwndOwner = FormHandle(dialog.Owner());
  info.lpstrFilter = platform::win32::AsWide(filter);
  info.nFilterIndex = 1;
  info.lpstrFile = reinterpret_cast<wchar_t*>(file.data());
  info.nMaxFile = static_cast<DWORD>(file.size());
  info.lpstrTitle = title.empty() ? nullptr : platform::win32::AsWide(title);
  // A chosen shortcut comes back as its target; the current folder stays.
  info.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameW(&info)) return std::nullopt;
  file.resize(file.find(u'\0'));
  return platform::Incoming(platform::win32::SystemNameOf(std::move(file)));
}

std::optional<FontSpec> ApplicationWin32::RunFontDialog(FontDialog& dialog) {
  const FontSpec& initial = dialog.Font();
  LOGFONTW font = {};
  CopyFaceName(initial.name, font.lfFaceName);
  font.lfHeight = -initial.height;
  font.lfWeight = initial.bold ? FW_BOLD : FW_NORMAL;
  font.lfUnderline = initial.underline ? TRUE : FALSE;
  font.lfCharSet = SHIFTJIS_CHARSET;
  CHOOSEFONTW info = {};
  info.lStructSize = sizeof info;
  info.hwndOwner = FormHandle(dialog.Owner());
  info.lpLogFont = &font;
  info.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  info.rgbColors = ToColorRef(initial.color);
  if (!ChooseFontW(&info)) return std::nullopt;
  FontSpec chosen = initial;
  // A face the data files cannot name would come back as another font.
  if (!platform::win32::NarrowExact(font.lfFaceName, chosen.name)) {
    ShowMessage(kFontNameCannotBeSaved, app_.Title(), platform::MessageStyle::Error);
    return std::nullopt;
  }
  // The dialog gives the character height (negative); the pixels are what we keep.
  chosen.height = std::abs(font.lfHeight);
  chosen.color = static_cast<ColorValue>(info.rgbColors);
  chosen.bold = font.lfWeight >= FW_BOLD;
  chosen.underline = font.lfUnderline != FALSE;
  return chosen;
}

std::optional<ColorValue> ApplicationWin32::RunColorDialog(ColorDialog& dialog) {
  CHOOSECOLORW info = {};
  info.lStructSize = sizeof info;
  info.hwndOwner = FormHandle(dialog.Owner());
  info.rgbResult = ToColorRef(dialog.Color());
  info.lpCustColors = customColors_.data();
  info.Flags = CC_RGBINIT;
  if (!ChooseColorW(&info)) return std::nullopt;
  return static_cast<ColorValue>(info.rgbResult);
}

std::optional<platform::IncomingPath> ApplicationWin32::BrowseForFolder(Form& owner, const std::string& title,
                                                                       const std::string& root) {
  const std::u16string wideTitle = platform::WideFromCp932(title);
  const std::u16string wideRoot = platform::WideFromCp932(root);
  BROWSEINFOW info = {};
  info.hwndOwner = FormHandle(owner);
  info.lpszTitle = platform::win32::AsWide(wideTitle);
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  if (!root.empty()) {
    info.lpfn = SelectRootFolder;
    info.lParam = reinterpret_cast<LPARAM>(wideRoot.c_str());
  }
  platform::win32::EnsureComApartment();
  LPITEMIDLIST list = SHBrowseForFolderW(&info);
  if (list == nullptr) return std::nullopt;
  std::u16string path(MAX_PATH + 1, u'\0');
  std::u16string shown;
  if (SHGetPathFromIDListW(list, reinterpret_cast<wchar_t*>(path.data()))) {
    path.resize(path.find(u'\0'));
  } else {
    // No path within MAX_PATH: the folder is named by what the shell shows.
    path.clear();
    SHFILEINFOW file = {};
    if (SHGetFileInfoW(reinterpret_cast<const wchar_t*>(list), 0, &file, sizeof file, SHGFI_PIDL | SHGFI_DISPLAYNAME)) {
      shown = reinterpret_cast<const char16_t*>(file.szDisplayName);
    }
  }
  CoTaskMemFree(list);
  if (path.empty()) {
    platform::IncomingPath refused;
    platform::Cp932FromWide(shown, refused.Shown);
    return refused;
  }
  return platform::Incoming(platform::win32::SystemNameOf(std::move(path)));
}

}  // namespace ui::win32
