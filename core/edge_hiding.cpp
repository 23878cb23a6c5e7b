#include "core/edge_hiding.h"

namespace pelorin {

void EdgeHiding::SetMoveMode(bool on) {
  moveMode_ = on;
  Allow();
}

void EdgeHiding::Allow() { state_.CanHide = pauses_ == 0 && !moveMode_; }

void EdgeHiding::Begin() {
  ++pauses_;
  state_.CanHide = false;
}

void EdgeHiding::End() {
  --pauses_;
  Allow();
}

}  // namespace pelorin
