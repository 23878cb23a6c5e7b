// Parts of the C++ library's run-time support replaced by smaller ones for
// the exe. The library's versions throw the standard exceptions, whose
// reference-counted messages bring a second string implementation along;
// these throw platform::Error, and every handler of the program catches
// std::exception. Each function the library's objects call is defined here:
// one missing would link the library's whole set beside them and fail.

#include <cstdlib>
#include <new>

#include "platform/error.h"

namespace std {

void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_logic_error(const char* what) { throw platform::Error(what); }
void __throw_length_error(const char* what) { throw platform::Error(what); }
void __throw_out_of_range(const char* what) { throw platform::Error(what); }
// The format's arguments (an index and a size) are left out of the message.
void __throw_out_of_range_fmt(const char* format, ...) { throw platform::Error(format); }
void __throw_invalid_argument(const char* what) { throw platform::Error(what); }

}  // namespace std

// An exception that escapes everything ends the program at once. The
// library's own handler would print its name to a console that a GUI
// program does not have, and brings a C++ name demangler (46 KB) into the exe.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
