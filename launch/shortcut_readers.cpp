#include "launch/shortcut_readers.h"

#include <string_view>

#include "platform/incoming_path.h"
#include "platform/shell.h"

namespace pelorin {

namespace {

constexpr std::string_view kSectionLine = "[InternetShortcut]";
constexpr std::string_view kBlanks = " \t";

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

bool IsUrlKey(std::string_view key) {
  if (key.size() != 3) return false;
  const std::string_view upper = "URL";
  for (size_t i = 0; i < key.size(); ++i) {
    const char c = key[i] >= 'a' && key[i] <= 'z' ? static_cast<char>(key[i] - 'a' + 'A') : key[i];
    if (c != upper[i]) return false;
  }
  return true;
}

// Calls visit with each line of text (without its CR LF or LF) until it returns false.
template <typename Visit>
void ForEachLine(std::string_view text, Visit visit) {
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!visit(line)) return;
    if (end == std::string_view::npos) return;
    text.remove_prefix(end + 1);
  }
}

}  // namespace

std::uint8_t ShowSizeOf(int showCommand) {
  switch (showCommand) {
    case platform::kShowMaximized:
      return 2;
    case platform::kShowMinNoActive:
    case platform::kShowMinimized:
      return 1;
    default:
      return 0;
  }
}

bool ResolveShortcut(platform::ShellLinks& links, const std::string& path, ShortcutInfo& info) {
  platform::LoadedShellLink link;
  if (!links.Load(path, link)) return false;
  info.TargetPath = platform::KeepName(link.TargetPath).value_or(std::string());
  info.Arguments = link.Arguments;
  info.WorkingFolder = link.WorkingDirectory;
  info.Description = link.Description;
  info.IconFile = link.IconLocation;
  info.IconIndex = link.IconIndex;
  info.ShowSize = ShowSizeOf(link.ShowCommand);
  return true;
}

void ReadInternetShortcut(platform::FileSystem& files, const std::string& path, std::string& url) {
  std::string contents;
  if (!files.ReadWholeFile(path, contents)) return;
  bool inSection = false;
  ForEachLine(contents, [&](std::string_view line) {
    if (!inSection) {
      inSection = line == kSectionLine;
      return true;
    }
    if (Trimmed(line).starts_with('[')) return false;
    const auto equals = line.find('=');
    if (equals == std::string_view::npos || !IsUrlKey(Trimmed(line.substr(0, equals)))) return true;
    url = Trimmed(line.substr(equals + 1));
    return false;
  });
}

}  // namespace pelorin
