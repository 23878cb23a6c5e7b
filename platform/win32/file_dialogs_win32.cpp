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
#include "platform/win32/handles.h"
#include "platform/win32/ui_windows.h"

namespace ui::win32 {

namespace {

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

// Copies a face name into LOGFONT's field without cutting a double-byte character.
void CopyFaceName(const std::string& name, char (&face)[LF_FACESIZE]) {
  std::size_t length = 0;
  while (length < name.size()) {
    const std::size_t next = length + (platform::IsLeadByte(static_cast<unsigned char>(name[length])) ? 2 : 1);
    if (next > name.size() || next >= LF_FACESIZE) break;
    length = next;
  }
  name.copy(face, length);
  face[length] = '\0';
}

// Opens the browser with the root folder selected.
int CALLBACK SelectRootFolder(HWND window, UINT message, LPARAM, LPARAM root) {
  if (message == BFFM_INITIALIZED) SendMessageA(window, BFFM_SETSELECTIONA, ~WPARAM{0}, root);
  return 0;
}

}  // namespace

std::optional<std::string> ApplicationWin32::ChooseFileToOpen(FileOpenDialog& dialog) {
  const std::string filter = FilterForDialog(dialog.Filter());
  // Room for any path the system can give back.
  std::vector<char> file(32768, '\0');
  dialog.FileName().copy(file.data(), std::min(dialog.FileName().size(), file.size() - 1));
  OPENFILENAMEA info = {};
  info.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  info.hwndOwner = FormWindow(dialog.Owner());
  info.lpstrFilter = filter.c_str();
  info.nFilterIndex = 1;
  info.lpstrFile = file.data();
  info.nMaxFile = static_cast<DWORD>(file.size());
  info.lpstrTitle = dialog.Title().empty() ? nullptr : dialog.Title().c_str();
  // A chosen shortcut comes back as its target; the current folder stays.
  info.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
  if (!GetOpenFileNameA(&info)) return std::nullopt;
  return std::string(file.data());
}

std::optional<FontSpec> ApplicationWin32::RunFontDialog(FontDialog& dialog) {
  const FontSpec& initial = dialog.Font();
  LOGFONTA font = {};
  CopyFaceName(initial.name, font.lfFaceName);
  font.lfHeight = -initial.height;
  font.lfWeight = initial.bold ? FW_BOLD : FW_NORMAL;
  font.lfUnderline = initial.underline ? TRUE : FALSE;
  font.lfCharSet = SHIFTJIS_CHARSET;
  CHOOSEFONTA info = {};
  info.lStructSize = sizeof info;
  info.hwndOwner = FormWindow(dialog.Owner());
  info.lpLogFont = &font;
  info.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  info.rgbColors = ToColorRef(initial.color);
  if (!ChooseFontA(&info)) return std::nullopt;
  FontSpec chosen = initial;
  chosen.name = font.lfFaceName;
  // The dialog gives the character height (negative); the pixels are what we keep.
  chosen.height = std::abs(font.lfHeight);
  chosen.color = static_cast<ColorValue>(info.rgbColors);
  chosen.bold = font.lfWeight >= FW_BOLD;
  chosen.underline = font.lfUnderline != FALSE;
  return chosen;
}

std::optional<ColorValue> ApplicationWin32::RunColorDialog(ColorDialog& dialog) {
  CHOOSECOLORA info = {};
  info.lStructSize = sizeof info;
  info.hwndOwner = FormWindow(dialog.Owner());
  info.rgbResult = ToColorRef(dialog.Color());
  info.lpCustColors = customColors_.data();
  info.Flags = CC_RGBINIT;
  if (!ChooseColorA(&info)) return std::nullopt;
  return static_cast<ColorValue>(info.rgbResult);
}

std::optional<std::string> ApplicationWin32::BrowseForFolder(Form& owner, const std::string& title,
                                                             const std::string& root) {
  BROWSEINFOA info = {};
  info.hwndOwner = FormWindow(owner);
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  if (!root.empty()) {
    info.lpfn = SelectRootFolder;
    info.lParam = reinterpret_cast<LPARAM>(root.c_str());
  }
  LPITEMIDLIST list = SHBrowseForFolderA(&info);
  if (list == nullptr) return std::nullopt;
  char path[MAX_PATH + 1] = {};
  SHGetPathFromIDListA(list, path);
  CoTaskMemFree(list);
  return std::string(path);
}

}  // namespace ui::win32
