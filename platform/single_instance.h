#pragma once
// The guard that keeps a second copy of the program from starting.

#include <string>

namespace platform {

class SingleInstance {
 public:
  virtual ~SingleInstance() = default;
  // Creates the named system-wide flag and holds it until the process ends;
  // false when another process holds it already. Creating and testing is one
  // step, so two copies started at the same moment cannot both succeed.
  virtual bool Claim(const std::string& name) = 0;
};

}  // namespace platform
