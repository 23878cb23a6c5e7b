#pragma once
// The system's name of a key ("Num Lock", "Scroll Lock", ...), for keys that
// the hot-key texts do not name themselves.

#include <string>

namespace platform {

class KeyNames {
 public:
  virtual ~KeyNames() = default;
  // Name of the virtual-key code; empty when the system has none.
  virtual std::string NameOf(unsigned virtualKey) = 0;
};

}  // namespace platform
