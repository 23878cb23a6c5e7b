// message_box.exe CAPTION TEXT [TYPE]: shows one message box
// (MessageBoxA, TYPE as a number, MB_OK by default) and exits with the id
// of the button that ended it, so a test can check how it was answered.

#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: message_box CAPTION TEXT [TYPE]\n");
    return 0;
  }
  UINT type = argc > 3 ? static_cast<UINT>(std::strtoul(argv[3], nullptr, 0)) : MB_OK;
  return MessageBoxA(nullptr, argv[2], argv[1], type);
}
