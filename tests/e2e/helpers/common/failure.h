#pragma once
// Helpers report a failed step by throwing; main() prints the message to
// stderr and exits with status 2, which the host harness shows verbatim.

#include <stdexcept>
#include <string>

namespace e2e {

struct Failure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Throws Failure with what + the text of GetLastError().
[[noreturn]] void FailWithLastError(const std::string& what);

}  // namespace e2e
