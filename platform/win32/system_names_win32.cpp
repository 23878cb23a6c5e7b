#include "platform/win32/system_names_win32.h"

#include <windows.h>

#include "platform/text.h"
#include "platform/win32/wide_text.h"

namespace platform::win32 {

namespace {

constexpr std::u16string_view kLongPrefix = u"\\\\?\\";
constexpr std::u16string_view kLongUncPrefix = u"\\\\?\\UNC\\";

bool IsDrivePath(std::u16string_view path) { return path.size() >= 3 && path[1] == u':' && path[2] == u'\\'; }
bool IsUncPath(std::u16string_view path) { return path.size() >= 2 && path.substr(0, 2) == u"\\\\" && !path.starts_with(kLongPrefix); }

// The short form as the plain path it stands for.
std::u16string WithoutPrefix(std::u16string path) {
  if (path.starts_with(kLongUncPrefix)) return u"\\\\" + path.substr(kLongUncPrefix.size());
  if (path.starts_with(kLongPrefix)) return path.substr(kLongPrefix.size());
  return path;
}

std::u16string ShortPathOf(const std::u16string& path) {
  const std::u16string extended = ExtendedPath(path);
  const auto* in = reinterpret_cast<const wchar_t*>(extended.c_str());
  std::u16string shortPath =
      SizedText([in](wchar_t* buffer, DWORD size) { return GetShortPathNameW(in, buffer, size); });
  return WithoutPrefix(std::move(shortPath));
}

}  // namespace

std::u16string ExtendedPath(std::u16string_view path) {
  if (path.size() < MAX_PATH) return std::u16string(path);
  if (IsDrivePath(path)) return std::u16string(kLongPrefix) + std::u16string(path);
  if (IsUncPath(path)) return std::u16string(kLongUncPrefix) + std::u16string(path.substr(2));
  return std::u16string(path);
}

SystemName SystemNameOf(std::u16string path) {
  std::u16string shortPath = path.empty() ? std::u16string() : ShortPathOf(path);
  return {std::move(path), std::move(shortPath)};
}

std::optional<std::string> KeptPath(std::u16string path) {
  SystemName name{std::move(path), {}};
  if (auto kept = KeepName(name)) return kept;
  name.Short = ShortPathOf(name.Long);
  return KeepName(name);
}

std::u16string FileCallPath(std::string_view path) { return ExtendedPath(WideFromCp932(path)); }

std::u16string ShellCallPath(std::string_view path) {
  std::u16string wide = WideFromCp932(path);
  if (wide.size() < MAX_PATH) return wide;
  std::u16string shortPath = ShortPathOf(wide);
  // Without a short form the call gets the path itself, and fails as it must.
  return shortPath.empty() ? wide : shortPath;
}

}  // namespace platform::win32
