#pragma once

#include "platform/single_instance.h"

namespace platform::win32 {

class SingleInstanceWin32 : public SingleInstance {
 public:
  bool Claim(const std::string& name) override;
};

}  // namespace platform::win32
