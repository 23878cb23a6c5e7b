#include "platform/win32/message_boxes_win32.h"

#include <windows.h>

namespace platform::win32 {

MessageResult MessageBoxesWin32::ShowMessage(const std::string& text, const std::string& caption,
                                             MessageStyle style) {
  UINT flags = MB_OK;
  switch (style) {
    case MessageStyle::Plain:
      flags = MB_OK;
      break;
    case MessageStyle::Confirm:
      flags = MB_OKCANCEL;
      break;
    case MessageStyle::Error:
      flags = MB_ICONSTOP | MB_OK;
      break;
  }
  const int answer = MessageBoxA(GetActiveWindow(), text.c_str(), caption.c_str(), flags);
  return answer == IDOK ? MessageResult::Ok : MessageResult::Cancel;
}

}  // namespace platform::win32
