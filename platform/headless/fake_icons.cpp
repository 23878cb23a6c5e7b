#include "platform/headless/fake_icons.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <stdexcept>

namespace platform::headless {

namespace {

struct Registry {
  std::map<Icon::Handle, std::string> live;
  Icon::Handle next = 0x1000;
};

Registry& TheRegistry() {
  static Registry registry;
  return registry;
}

void DestroyFakeIcon(Icon::Handle handle) {
  if (TheRegistry().live.erase(handle) == 0) {
    // Called from destructors, so it cannot throw; an icon destroyed twice is a bug worth stopping for.
    std::fprintf(stderr, "fake icon %#lx destroyed twice\n", static_cast<unsigned long>(handle));
    std::abort();
  }
}

}  // namespace

Icon MakeFakeIcon(std::string description) {
  Registry& registry = TheRegistry();
  const Icon::Handle handle = registry.next++;
  registry.live.emplace(handle, std::move(description));
  return Icon(handle, &DestroyFakeIcon);
}

std::string FakeIconDescription(const Icon& icon) {
  if (!icon) return {};
  const auto& live = TheRegistry().live;
  const auto found = live.find(icon.Get());
  if (found == live.end()) {
    std::string message = "icon handle ";
    message += std::to_string(icon.Get());
    message += " is not a live fake icon";
    throw std::logic_error(message);
  }
  return found->second;
}

int LiveFakeIconCount() { return static_cast<int>(TheRegistry().live.size()); }

}  // namespace platform::headless
