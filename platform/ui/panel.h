#pragma once
// A windowed container: it holds other controls, graphic ones included, and
// draws their background in its own colour, with an optional lowered frame.

#include <memory>

#include "platform/ui/win_control.h"

namespace ui {

class Panel : public WinControl {
 public:
  // A panel is no tab stop of its own; its controls are.
  Panel(Control& parent, ControlProps props);
  bool IsContainer() const override { return true; }

  bool Lowered() const { return lowered_; }
  void SetLowered(bool lowered);

 protected:
  std::unique_ptr<Peer> MakePeer() override;

 private:
  bool lowered_ = false;
};

namespace backend {
std::unique_ptr<Peer> CreatePeer(Panel& panel);
}

}  // namespace ui
