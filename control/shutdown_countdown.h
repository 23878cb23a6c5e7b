#pragma once

#include "platform/ui/button.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/timer.h"

namespace pelorin {

class App;

// The five-second countdown before Windows shuts down or restarts. The
// caller puts its message into Label1, shows the dialog modally and then
// reads Confirmed: true when the time ran out, false when cancelled.
class TForm10 : public ui::Form {
 public:
  static constexpr int kSeconds = 5;
  static constexpr unsigned kDeadlineMs = kSeconds * 1000;
  static constexpr unsigned kStepMs = 1000;

  explicit TForm10(App& app);

  void FormShow();
  void Timer1Timer();
  void Timer2Timer();
  void Button1Click();

  bool Confirmed() const { return confirmed_; }

  // Wide enough for a full-width digit, which the stand-in fonts draw wider than 6 pixels.
  ui::Label Label2{*this, {.name = "Label2", .bounds = {32, 16, 14, 12}, .caption = "５"}};
  // Wide enough for the longer of the two messages.
  ui::Label Label1{*this, {.name = "Label1", .bounds = {48, 16, 168, 12}, .caption = "秒後に"}};
  ui::Button Button1{*this, {.name = "Button1", .bounds = {136, 32, 81, 17}, .caption = "キャンセル(&C)", .isCancel = true}};
  ui::Timer Timer1{*this, "Timer1"};
  ui::Timer Timer2{*this, "Timer2"};

 private:
  void ShowCount();

  // The seconds the digit shows.
  int count_ = kSeconds;
  bool confirmed_ = false;
};

}  // namespace pelorin
