#include "platform/ui/timer.h"

namespace ui {

Timer::Timer(Form& owner, std::string name) : Component(owner, std::move(name)) {
  AttachPeer(backend::CreatePeer(*this));
}

void Timer::SetInterval(unsigned milliseconds) {
  if (StoreIfChanged(interval_, milliseconds)) Changed(Property::Interval);
}

void Timer::SetEnabled(bool enabled) {
  if (StoreIfChanged(enabled_, enabled)) Changed(Property::Interval);
}

void Timer::SignalTimer() {
  // A tick already queued when the timer was stopped is dropped.
  if (Running()) onTimer();
}

}  // namespace ui
