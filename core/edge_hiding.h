#pragma once
// CanHide, the flag that lets the main window hide at the screen edge. It is
// cleared while anything pauses hiding (a popup menu, a modal dialog, a
// redraw; pauses nest) and for as long as move mode is on, so that the window
// never slips away under an open menu or while items are being arranged.

#include "core/state.h"

namespace pelorin {

class EdgeHiding {
 public:
  explicit EdgeHiding(LauncherState& state) : state_(state) {}
  EdgeHiding(const EdgeHiding&) = delete;
  EdgeHiding& operator=(const EdgeHiding&) = delete;

  // Clears CanHide until it ends, however the scope is left.
  class Pause {
   public:
    explicit Pause(EdgeHiding& hiding) : hiding_(hiding) { hiding_.Begin(); }
    ~Pause() { hiding_.End(); }
    Pause(const Pause&) = delete;
    Pause& operator=(const Pause&) = delete;

   private:
    EdgeHiding& hiding_;
  };

  void SetMoveMode(bool on);
  // Sets CanHide as far as the pauses and move mode allow (every show of the
  // main window, the control window losing the focus).
  void Allow();
  // Clears CanHide until the next Allow (the control window taking the focus).
  void Clear() { state_.CanHide = false; }

 private:
  void Begin();
  void End();

  LauncherState& state_;
  int pauses_ = 0;
  bool moveMode_ = false;
};

}  // namespace pelorin
