// Attributes and folder listings of the headless file system.

#include <algorithm>
#include <system_error>

#include "platform/headless/fake_file_system.h"
#include "platform/text.h"

namespace platform::headless {

namespace {

// The characters of an ANSI text, one or two bytes each; ASCII letters folded
// to lower case, as the system compares file names.
std::vector<std::string> FoldedCharacters(std::string_view text) {
  std::vector<std::string> characters;
  for (std::string_view::size_type pos = 0; pos < text.size();) {
    const auto c = static_cast<unsigned char>(text[pos]);
    if (IsLeadByte(c) && pos + 1 < text.size()) {
      characters.emplace_back(text.substr(pos, 2));
      pos += 2;
    } else {
      characters.emplace_back(1, static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c));
      ++pos;
    }
  }
  return characters;
}

bool GlobMatch(const std::vector<std::string>& pattern, const std::vector<std::string>& name) {
  // matched[j]: pattern[0..i) matches name[0..j).
  std::vector<bool> matched(name.size() + 1, false);
  matched[0] = true;
  for (const auto& p : pattern) {
    std::vector<bool> next(name.size() + 1, false);
    if (p == "*") {
      bool any = false;
      for (size_t j = 0; j <= name.size(); ++j) {
        any = any || matched[j];
        next[j] = any;
      }
    } else {
      for (size_t j = 1; j <= name.size(); ++j) {
        next[j] = matched[j - 1] && (p == "?" || p == name[j - 1]);
      }
    }
    matched = std::move(next);
  }
  return matched[name.size()];
}

// The system's wildcard rules for the cases the program uses: '*' and '?',
// letter case ignored, and a pattern ending in ".*" also matching names
// without any dot ("*.*" lists everything).
bool WildcardMatch(std::string_view mask, std::string_view name) {
  const auto pattern = FoldedCharacters(mask);
  const auto characters = FoldedCharacters(name);
  if (GlobMatch(pattern, characters)) return true;
  const bool dotStar = pattern.size() >= 2 && pattern[pattern.size() - 2] == "." && pattern.back() == "*";
  if (!dotStar || name.find('.') != std::string_view::npos) return false;
  return GlobMatch({pattern.begin(), pattern.end() - 2}, characters);
}

std::uint32_t HostAttributes(const std::filesystem::path& host, const std::filesystem::file_status& status,
                             const std::map<std::filesystem::path, std::uint32_t>& extraBits) {
  std::uint32_t attributes = std::filesystem::is_directory(status) ? kAttributeDirectory : kAttributeArchive;
  const auto bits = extraBits.find(host);
  if (bits != extraBits.end()) attributes |= bits->second;
  return attributes;
}

}  // namespace

void FakeFileSystem::SetAttributeBits(const std::string& windowsPath, std::uint32_t bits) {
  attributeBits_[HostPath(windowsPath)] |= bits;
}

void FakeFileSystem::SetLongName(const std::string& windowsPath, std::u16string longName, bool hasShortName) {
  const std::u16string shortName = hasShortName ? WideFromCp932(ExtractFileName(windowsPath)) : std::u16string();
  longNames_[HostPath(windowsPath)] = {std::move(longName), shortName};
}

std::optional<std::uint32_t> FakeFileSystem::Attributes(const std::string& path) {
  log_->Record("Attributes " + path);
  if (path.empty()) return std::nullopt;
  const auto host = HostPath(path);
  std::error_code error;
  const auto status = std::filesystem::status(host, error);
  if (error || !std::filesystem::exists(status)) return std::nullopt;
  return HostAttributes(host, status, attributeBits_);
}

std::vector<FoundFile> FakeFileSystem::FindFiles(const std::string& pattern) {
  log_->Record("FindFiles " + pattern);
  const std::string folder = ExtractFilePath(pattern);
  const std::string mask = ExtractFileName(pattern);
  std::vector<FoundFile> found;
  std::error_code error;
  std::filesystem::directory_iterator entries(HostPath(folder), error);
  if (error) return found;
  for (const auto& entry : entries) {
    const std::string name = entry.path().filename().string();
    if (!WildcardMatch(mask, name)) continue;
    const auto status = entry.status(error);
    if (error || !std::filesystem::exists(status)) continue;
    // As the system lists it: by a name the launcher can keep, or not at all.
    const auto longName = longNames_.find(entry.path());
    const SystemName systemName =
        longName != longNames_.end() ? longName->second : SystemName{WideFromCp932(name), {}};
    const auto kept = KeepName(systemName, folder);
    if (!kept) continue;
    found.push_back({*kept, HostAttributes(entry.path(), status, attributeBits_)});
  }
  // A drive root has no "." and ".." entries.
  const bool driveRoot = folder.size() == 3 && folder[1] == ':';
  if (!driveRoot) {
    for (const char* dots : {".", ".."}) {
      if (WildcardMatch(mask, dots)) found.push_back({dots, kAttributeDirectory});
    }
  }
  std::sort(found.begin(), found.end(), [](const FoundFile& a, const FoundFile& b) { return a.Name > b.Name; });
  return found;
}

}  // namespace platform::headless
