#pragma once
// Key names for tests: a table the test fills; other keys have no name.

#include <map>

#include "platform/key_names.h"

namespace platform::headless {

class FakeKeyNames : public KeyNames {
 public:
  FakeKeyNames() = default;
  FakeKeyNames(std::initializer_list<std::pair<const unsigned, std::string>> names) : names_(names) {}

  std::string NameOf(unsigned virtualKey) override;
  void SetName(unsigned virtualKey, std::string name) { names_[virtualKey] = std::move(name); }

 private:
  std::map<unsigned, std::string> names_;
};

}  // namespace platform::headless
