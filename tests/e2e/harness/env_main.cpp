// e2e_env setup|teardown: the CTest fixture around the end-to-end tests.
// setup creates the Wine prefix if needed and starts the run's display and
// wineserver; teardown ends them.

#include <cstdio>
#include <cstring>
#include <exception>

#include "harness/wine_environment.h"

int main(int argc, char** argv) {
  try {
    if (argc == 2 && std::strcmp(argv[1], "setup") == 0) {
      e2e::WineEnvironment::SetUpShared();
      return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "teardown") == 0) {
      e2e::WineEnvironment::TearDownShared();
      return 0;
    }
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "e2e_env %s: %s\n", argv[1], failure.what());
    return 1;
  }
  std::fprintf(stderr, "usage: e2e_env setup|teardown\n");
  return 2;
}
