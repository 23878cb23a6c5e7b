#pragma once
// Peers of the graphic controls: no window of their own. Their container
// (form or panel) paints them in z-order into its buffer and gives them its
// mouse messages; a change repaints only the old and the new rectangle.

#include <windows.h>

#include <string>

#include "platform/ui/control.h"
#include "platform/ui/peer.h"

namespace ui::win32 {

class ContainerWin32;

class GraphicPeer : public Peer {
 public:
  explicit GraphicPeer(Control& control);
  // Runs after the control's own destructor: uses only what the peer keeps.
  ~GraphicPeer() override;

  void Update(Property property) override;
  // Draws the control at its place, in the form's client coordinates.
  virtual void Paint(HDC dc) = 0;
  // Whether the pointer over the control reaches it rather than what lies below.
  virtual bool TakesPointer() const { return true; }

 protected:
  // Lets a peer renew what it keeps of a property (a font, an icon size).
  virtual void Refresh(Property) {}
  RECT Area() const;

 private:
  void UpdateTool();

  Control& control_;
  ContainerWin32& host_;
  // Where the control was last drawn.
  RECT shown_;
  // The tip as the tooltip window has it.
  bool hasTool_ = false;
  RECT toolRect_ = {};
  std::string toolText_;
};

}  // namespace ui::win32
