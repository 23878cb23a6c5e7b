#include "launch/file_search.h"

#include <optional>

namespace pelorin {

namespace {

constexpr char kSearchRoot[] = "C:\\";

}  // namespace

std::string FormatWithText(const std::string& format, const std::string& argument) {
  std::string text;
  for (std::string::size_type pos = 0; pos < format.size(); ++pos) {
    if (format[pos] != '%' || pos + 1 == format.size()) {
      text += format[pos];
      continue;
    }
    const char directive = format[++pos];
    if (directive == 's' || directive == 'S') {
      text += argument;
    } else if (directive == '%') {
      text += '%';
    } else {
      text += {'%', directive};
    }
  }
  return text;
}

void OpenFileSearch(platform::Dde& dde, platform::Shell& shell, ui::Form* owner) {
  const std::string command = FormatWithText("[FindFolder(\"%S\")]", kSearchRoot);
  if (dde.Execute("Folders", "AppProperties", command) != platform::DdeOutcome::NoConversation) return;
  if (shell.Execute(owner, "find", kSearchRoot, "", std::nullopt, platform::kShowNormal)) return;
  shell.Execute(owner, "open", "explorer.exe", kSearchRoot, std::nullopt, platform::kShowNormal);
}

}  // namespace pelorin
