#pragma once
// MessageBoxes stand-in for tests: records every box and answers Ok unless
// told otherwise.

#include <deque>
#include <string>
#include <vector>

#include "platform/message_boxes.h"

namespace test {

struct ShownMessage {
  std::string Text;
  std::string Caption;
  platform::MessageStyle Style;

  bool operator==(const ShownMessage&) const = default;
};

class RecordingMessageBoxes : public platform::MessageBoxes {
 public:
  platform::MessageResult ShowMessage(const std::string& text, const std::string& caption,
                                      platform::MessageStyle style) override {
    shown_.push_back({text, caption, style});
    if (answers_.empty()) return platform::MessageResult::Ok;
    const auto answer = answers_.front();
    answers_.pop_front();
    return answer;
  }

  // Answers for the next boxes, in order; Ok once they are used up.
  void QueueAnswer(platform::MessageResult answer) { answers_.push_back(answer); }
  const std::vector<ShownMessage>& Shown() const { return shown_; }

 private:
  std::vector<ShownMessage> shown_;
  std::deque<platform::MessageResult> answers_;
};

}  // namespace test
