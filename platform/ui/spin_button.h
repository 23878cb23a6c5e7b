#pragma once
// A pair of arrows that steps a position within a range, without wrapping
// from one end to the other (the platform's up-down control).

#include <memory>
#include <string>

#include "platform/ui/callback.h"
#include "platform/ui/win_control.h"

namespace ui {

class SpinButton : public WinControl {
 public:
  SpinButton(Control& parent, const ControlProps& props);

  bool Horizontal() const { return horizontal_; }
  int Min() const { return min_; }
  int Max() const { return max_; }
  // The position is kept inside the new range.
  void SetRange(int min, int max);
  int Position() const { return position_; }
  // Never fires onClick: that is for the user's clicks. Kept inside the range.
  void SetPosition(int position);

  // After an arrow was clicked and the position moved (or stayed at its end).
  Callback<void(SpinArrow)> onClick;

  // The user clicked an arrow: the position steps by one within the range.
  void SignalArrow(SpinArrow arrow);

 protected:
  std::unique_ptr<Peer> MakePeer() override;

 private:
  bool horizontal_;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
};

namespace backend {
std::unique_ptr<Peer> CreatePeer(SpinButton& spin);
}

}  // namespace ui
