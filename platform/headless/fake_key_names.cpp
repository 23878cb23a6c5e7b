#include "platform/headless/fake_key_names.h"

namespace platform::headless {

std::string FakeKeyNames::NameOf(unsigned virtualKey) {
  const auto found = names_.find(virtualKey);
  return found == names_.end() ? std::string() : found->second;
}

}  // namespace platform::headless
