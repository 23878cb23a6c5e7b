#pragma once
// A DDE client through the DDE management library (DDEML), in UTF-16.

#include "platform/dde.h"

namespace platform::win32 {

class DdeWin32 : public Dde {
 public:
  DdeOutcome Execute(const std::string& service, const std::string& topic, const std::string& command) override;
};

}  // namespace platform::win32
