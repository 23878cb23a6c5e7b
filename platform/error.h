#pragma once
// The program's own exception. The standard ones keep their message in a
// reference-counted string of the C++ library's older kind, and throwing any
// of them links that second string implementation into the exe (about
// 40 KB); this one holds an ordinary std::string. Everything is caught as
// std::exception, so nothing depends on the type.

#include <exception>
#include <string>
#include <utility>

namespace platform {

class Error : public std::exception {
 public:
  explicit Error(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

}  // namespace platform
