#pragma once
// Icons on the host. A fake icon stands for a description of what it shows
// ("shell:C:\Tools\a.exe", "C:\a.dll,3"); every live one is counted, so a test
// can prove that each icon has exactly one owner that frees it.

#include <string>

#include "platform/icon.h"

namespace platform::headless {

Icon MakeFakeIcon(std::string description);
// What a live fake icon shows; empty for no icon. Throws std::logic_error for a
// handle that is not a live fake icon.
std::string FakeIconDescription(const Icon& icon);
// Fake icons made and not destroyed yet, in the whole process.
int LiveFakeIconCount();

}  // namespace platform::headless
