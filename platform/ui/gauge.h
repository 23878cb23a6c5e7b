#pragma once
// A percentage gauge: a horizontal bar with the percentage written in it.
// Drawn and hit-tested by the window it lies on (see Control::IsGraphic),
// like a label: it takes no input, and a window of its own would only add
// flicker to the form's buffered painting.

#include <memory>

#include "platform/ui/control.h"

namespace ui {

class Gauge : public Control {
 public:
  static constexpr int kMaxProgress = 100;

  // Placed and with its tip as declared; empty, on the inactive-border colour.
  Gauge(Control& parent, const ControlProps& props);
  bool IsGraphic() const override { return true; }

  // The percentage shown, kept within 0..100.
  int Progress() const { return progress_; }
  void SetProgress(int percent);
  // The colour of the bar; Color() is the background.
  ColorValue ForeColor() const { return foreColor_; }
  void SetForeColor(ColorValue color);

 protected:
  std::unique_ptr<Peer> MakePeer() override;

 private:
  int progress_ = 0;
  ColorValue foreColor_ = SystemColor(syscolor::kWindowText);
};

namespace backend {
std::unique_ptr<Peer> CreatePeer(Gauge& gauge);
}

}  // namespace ui
