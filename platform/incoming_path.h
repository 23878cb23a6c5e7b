#pragma once
// Names that come in from the system (a drop, the file-open dialog, the
// folder browser, a folder listing) arrive in UTF-16; the launcher keeps ANSI
// paths. The ANSI file and shell functions read a character outside the code
// page as '?' and stop at MAX_PATH, so a name is kept only in a form that has
// neither problem: itself, or else the short (8.3) name the file system has
// for it. One rule for both backends.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// MAX_PATH: the ANSI functions take paths shorter than this, in bytes.
inline constexpr std::size_t kMaxPath = 260;

// A name as the system gives it, with the short form the file system has for
// it; Short is empty when there is none (8.3 names switched off on the volume).
struct SystemName {
  std::u16string Long;
  std::u16string Short;
};

// A path that came in, as the launcher can keep it.
struct IncomingPath {
  std::string Path;   // ANSI, shorter than MAX_PATH; empty when the name cannot be kept
  std::string Shown;  // the name as the code page shows it, '?' for what it cannot
  bool Kept() const { return !Path.empty(); }
};

// What to keep of name, which follows folder (ANSI; empty for a whole path):
// the name itself when every character is in the code page and folder + name
// is shorter than MAX_PATH, else the short form on the same terms, else nothing.
std::optional<std::string> KeepName(const SystemName& name, std::string_view folder = {});

// A whole path that came in.
IncomingPath Incoming(const SystemName& path);

// What a dialog chose (nothing: cancelled): true with path set when it can be
// kept; else false, with refused naming a choice that cannot be kept.
bool TakeChosen(std::optional<IncomingPath> chosen, std::string& path, std::string& refused);

}  // namespace platform
