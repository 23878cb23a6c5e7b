// message_box.exe CAPTION TEXT [TYPE]: shows one message box
// (MessageBoxW, TYPE as a number, MB_OK by default) and exits with the id
// of the button that ended it, so a test can check how it was answered.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/args.h"
#include "common/utf8.h"

int main() {
  std::vector<std::string> words;
  try {
    words = e2e::Arguments();
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "message_box: %s\n", failure.what());
    return 0;
  }
  if (words.size() < 2) {
    std::fprintf(stderr, "usage: message_box CAPTION TEXT [TYPE]\n");
    return 0;
  }
  UINT type = words.size() > 2 ? static_cast<UINT>(std::strtoul(words[2].c_str(), nullptr, 0)) : MB_OK;
  return MessageBoxW(nullptr, e2e::Wide(words[1]).c_str(), e2e::Wide(words[0]).c_str(), type);
}
