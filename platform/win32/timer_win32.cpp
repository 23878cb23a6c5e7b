#include <windows.h>

#include "platform/ui/form.h"
#include "platform/ui/timer.h"
#include "platform/win32/application_win32.h"

namespace ui::win32 {

namespace {

// SetTimer on the application's message window, with an id of its own.
class TimerWin32 final : public Peer {
 public:
  explicit TimerWin32(Timer& timer)
      : timer_(timer), app_(ApplicationWin32::Of(timer.Owner().Program())), id_(app_.AddTimer(timer)) {
    Apply();
  }
  ~TimerWin32() override { app_.RemoveTimer(id_); }
  TimerWin32(const TimerWin32&) = delete;
  TimerWin32& operator=(const TimerWin32&) = delete;

  void Update(Property property) override {
    if (property == Property::Interval) Apply();
  }

 private:
  void Apply() {
    if (timer_.Running()) {
      app_.StartTimer(id_, timer_.Interval());
    } else {
      app_.StopTimer(id_);
    }
  }

  Timer& timer_;
  ApplicationWin32& app_;
  const UINT_PTR id_;
};

}  // namespace

}  // namespace ui::win32

namespace ui {

std::unique_ptr<Peer> backend::CreatePeer(Timer& timer) {
  return std::make_unique<win32::TimerWin32>(timer);
}

}  // namespace ui
