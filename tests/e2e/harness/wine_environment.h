#pragma once
// The Wine set-up every end-to-end test runs in: a prefix of the build
// (created once with wineboot, reused by later runs; Managed=N so Wine
// draws frames, a .txt association, Japanese fonts), a virtual X display of
// its own (Xvfb, 1024x768x24) and one persistent wineserver, which serves
// programs of every locale (harness/locale.h).
//
// Under CTest the fixture test e2e_env_setup starts display and wineserver
// for the whole run and e2e_env_teardown ends them; each test process
// attaches to them through a state file. A test binary run on its own
// starts its own display and wineserver and ends them at exit. Tests of one
// build must not run at the same time (they share the prefix): CTest
// serialises them with a resource lock.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "harness/locale.h"
#include "harness/process.h"

namespace e2e {

class WineEnvironment {
 public:
  // The environment of this process, attached or started on first use.
  static WineEnvironment& Get();

  // For e2e_env: start the run's shared display and wineserver (ending any
  // left over from an interrupted run), and end them again.
  static void SetUpShared();
  static void TearDownShared();

  ~WineEnvironment();
  WineEnvironment(const WineEnvironment&) = delete;
  WineEnvironment& operator=(const WineEnvironment&) = delete;

  const std::string& Display() const { return display_; }
  // The whole environment for Wine programs and X tools: LANG from locale,
  // no LC_ALL or LC_CTYPE.
  std::vector<std::string> Env(const Locale& locale = kJapanese) const;
  // Makes the prefix ready for programs under locale: the interface font's
  // links to the Japanese font, which Wine rewrites whenever a program
  // starts under another code page than the last one.
  void PrepareFor(const Locale& locale) const;

  static std::filesystem::path BuildDir();
  static std::filesystem::path Prefix();
  static std::filesystem::path Home();
  // Windows build of the project: Pelorin.exe and the helpers.
  static std::filesystem::path PelorinExe();
  static std::filesystem::path HelperFile(std::string_view name);

  // "/a/b" -> "Z:\a\b" (Wine maps Z: to the root).
  static std::string WindowsPath(const std::filesystem::path& hostPath);

 private:
  WineEnvironment() = default;

  std::string display_;
  // Set when this process started display and wineserver itself.
  std::unique_ptr<ChildProcess> ownXvfb_;
};

}  // namespace e2e
