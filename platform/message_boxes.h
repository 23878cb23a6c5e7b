#pragma once
// Plain message boxes: the only way the system talks to the user outside its windows.

#include <string>

namespace platform {

enum class MessageStyle {
  Plain,    // OK button
  Confirm,  // OK and Cancel
  Error,    // OK button and the error icon: the report of a raised error
};

enum class MessageResult { Ok, Cancel };

// The report of an error that carries no text of its own.
inline constexpr char kUnexpectedErrorText[] = "予期しないエラーが発生しました。";

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual MessageResult ShowMessage(const std::string& text, const std::string& caption, MessageStyle style) = 0;
};

}  // namespace platform
