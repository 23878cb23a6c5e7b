// The folder menu of a large tree (10,000 files in 500 folders, real files
// through the headless file system) against a bare walk of the same tree
// that lists each folder once and asks for one icon per entry. The ratio of
// the two is what the menu's sorting, entries and image list cost on top of
// the platform calls it cannot avoid.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "launch/launch_popup.h"
#include "platform/headless/call_log.h"
#include "platform/headless/fake_file_system.h"
#include "platform/headless/fake_shell.h"
#include "platform/headless/fake_shell_icons.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "support/temp_folder.h"

namespace {

constexpr int kTopFolders = 20;
constexpr int kSubFoldersEach = 24;  // 20 + 20 * 24 = 500 folders
constexpr int kFilesPerFolder = 20;  // 500 * 20 = 10,000 files
constexpr char kRoot[] = "C:\\Tree\\";

// The tree on disk, made once for every benchmark of this file and removed at exit.
class Tree {
 public:
  Tree() {
    platform::headless::FakeFileSystem files(host_.Path());
    for (int t = 0; t < kTopFolders; ++t) {
      const std::string top = kRoot + std::string(t % 2 ? "Folder" : "フォルダ") + std::to_string(t) + "\\";
      Fill(files, top);
      for (int s = 0; s < kSubFoldersEach; ++s) Fill(files, top + "sub" + std::to_string(s) + "\\");
    }
  }
  const std::filesystem::path& Host() const { return host_.Path(); }

 private:
  static void Fill(platform::headless::FakeFileSystem& files, const std::string& folder) {
    files.MakeFolder(folder);
    for (int f = 0; f < kFilesPerFolder; ++f) {
      const std::string name = (f % 3 == 0 ? "Doc" : f % 3 == 1 ? "tool" : "資料") + std::to_string(f) +
                               (f % 2 ? ".lnk" : ".txt");
      test::WriteHostFile(files.HostPath(folder + name), "x");
    }
  }

  test::TempFolder host_;
};

const Tree& TheTree() {
  static const Tree tree;
  return tree;
}

void BM_FolderMenu(benchmark::State& state) {
  platform::headless::CallLog log;
  platform::headless::FakeFileSystem files(TheTree().Host(), "C:\\p.exe", &log);
  platform::headless::FakeIcons icons(&log);
  platform::headless::FakeShell shell(&log);
  ui::Application app;
  ui::Form window(app, "Form1", "Pelorin", ui::BorderStyle::ToolWindow);
  pelorin::TLaunchPopup popup(window, "LaunchPopup", files, icons, shell);
  const auto images = pelorin::CreateFolderMenuImages(window, "ImageList1");
  pelorin::SetUpFolderMenu(popup, *images);
  popup.SetDirectory(kRoot);
  for (auto _ : state) {
    popup.Items().Clear();
    popup.BuildMenu();
    log.Clear();
    benchmark::DoNotOptimize(popup.Items().Count());
  }
  state.counters["entries"] = images->Count();
}
BENCHMARK(BM_FolderMenu)->Unit(benchmark::kMillisecond);

int Walk(platform::FileSystem& files, platform::Icons& icons, const std::string& folder) {
  int entries = 0;
  for (const auto& found : files.FindFiles(folder + "*.*")) {
    if (found.Name == "." || found.Name == "..") continue;
    const platform::Icon icon = icons.ShellIcon(folder + found.Name);
    benchmark::DoNotOptimize(icon.Get());
    ++entries;
    if (found.Attributes & platform::kAttributeDirectory) entries += Walk(files, icons, folder + found.Name + "\\");
  }
  return entries;
}

void BM_BareEnumerationWithIcons(benchmark::State& state) {
  platform::headless::CallLog log;
  platform::headless::FakeFileSystem files(TheTree().Host(), "C:\\p.exe", &log);
  platform::headless::FakeIcons icons(&log);
  int entries = 0;
  for (auto _ : state) {
    entries = Walk(files, icons, kRoot);
    log.Clear();
  }
  state.counters["entries"] = entries;
}
BENCHMARK(BM_BareEnumerationWithIcons)->Unit(benchmark::kMillisecond);

}  // namespace
