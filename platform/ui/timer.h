#pragma once
// A periodic timer of a form. Interval 0 stops it; setting a different
// non-zero interval while enabled restarts it from now.

#include <memory>
#include <string>

#include "platform/ui/callback.h"
#include "platform/ui/control.h"

namespace ui {

class Timer : public Component {
 public:
  Timer(Form& owner, std::string name);

  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned milliseconds);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Running() const { return enabled_ && interval_ > 0; }

  Callback<void()> onTimer;

  void SignalTimer();

 private:
  unsigned interval_ = 1000;
  bool enabled_ = true;
};

namespace backend {
std::unique_ptr<Peer> CreatePeer(Timer& timer);
}

}  // namespace ui
