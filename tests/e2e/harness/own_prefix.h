#pragma once
// A Wine prefix for one test alone, for what ends every program of its
// prefix (ExitWindowsEx): hard links to the build's prefix, made in a moment,
// with copies of the registry files and a wineserver of its own. The probe
// cannot see its programs; drive them through X (E2eSession::Screen()).

#include <filesystem>
#include <string>
#include <vector>

namespace e2e {

class OwnPrefix {
 public:
  explicit OwnPrefix(const std::filesystem::path& folder);
  // Ends its wineserver, and every program still running there, and removes it.
  ~OwnPrefix();
  OwnPrefix(const OwnPrefix&) = delete;
  OwnPrefix& operator=(const OwnPrefix&) = delete;

  // The environment for Wine programs there.
  const std::vector<std::string>& Env() const { return env_; }

 private:
  std::filesystem::path folder_;
  std::vector<std::string> env_;
};

}  // namespace e2e
