#pragma once
// Message boxes through MessageBoxA, owned by the active window of the thread.

#include "platform/message_boxes.h"

namespace platform::win32 {

class MessageBoxesWin32 : public MessageBoxes {
 public:
  MessageResult ShowMessage(const std::string& text, const std::string& caption, MessageStyle style) override;
};

}  // namespace platform::win32
