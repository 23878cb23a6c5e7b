#include "harness/own_prefix.h"

#include <stdexcept>

#include "harness/polling.h"
#include "harness/process.h"
#include "harness/wine_environment.h"

namespace e2e {
namespace fs = std::filesystem;

namespace {

constexpr Milliseconds kServerTimeout = std::chrono::seconds(30);

// Names the running wineserver of the shared prefix.
constexpr char kServerNote[] = "wineserver";

}  // namespace

OwnPrefix::OwnPrefix(const fs::path& folder) : folder_(folder) {
  const fs::path shared = WineEnvironment::Prefix();
  fs::remove_all(folder_);
  fs::create_directories(folder_);
  for (const fs::directory_entry& entry : fs::directory_iterator(shared)) {
    const fs::path target = folder_ / entry.path().filename();
    if (entry.path().filename() == kServerNote) continue;
    if (entry.is_symlink()) {
      fs::copy_symlink(entry.path(), target);
    } else if (entry.is_directory()) {
      fs::copy(entry.path(), target, fs::copy_options::recursive | fs::copy_options::create_hard_links |
                                         fs::copy_options::copy_symlinks);
    } else {
      // The registry files and the update stamp are rewritten in place: copies.
      fs::copy_file(entry.path(), target);
    }
  }
  for (const std::string& variable : WineEnvironment::Get().Env()) {
    env_.push_back(variable.starts_with("WINEPREFIX=") ? "WINEPREFIX=" + folder_.string() : variable);
  }
  // The first program of a new prefix starts its wineserver, and now and then
  // that start fails with the program ("chdir to /tmp/wine-.../server-...:
  // No such file"). A trivial program takes that chance, again until the
  // server runs, so the test's own programs find it running.
  const bool serverUp = PollUntil(
      kServerTimeout,
      [&] { return Run({.argv = {"wine", "cmd", "/c", "exit"}, .env = env_}, kServerTimeout).status == 0; },
      std::chrono::milliseconds(200));
  if (!serverUp) throw std::runtime_error("no wineserver starts for the prefix " + folder_.string());
}

OwnPrefix::~OwnPrefix() {
  try {
    Run({.argv = {"wineserver", "-k"}, .env = env_}, kServerTimeout);
    Run({.argv = {"wineserver", "-w"}, .env = env_}, kServerTimeout);
  } catch (const std::exception&) {
    // A wineserver that does not end leaves its folder in use, nothing more.
  }
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
}

}  // namespace e2e
