#include "platform/headless/fake_single_instance.h"

namespace platform::headless {

bool FakeSingleInstance::Claim(const std::string& name) {
  log_.Record("ClaimInstance " + name);
  return held_.insert(name).second;
}

}  // namespace platform::headless
