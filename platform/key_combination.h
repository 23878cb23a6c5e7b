#pragma once
// A key with its modifiers: what a hot-key box holds and a hot key is.

namespace platform {

// Key is a virtual-key code; 0 is none.
struct KeyCombination {
  unsigned Key = 0;
  bool Shift = false;
  bool Ctrl = false;
  bool Alt = false;

  bool operator==(const KeyCombination&) const = default;
};

}  // namespace platform
