// The whole program on the headless backend with a full panel of 20 items
// (real files through the headless file system): the cost of RefreshPanel,
// of a press that opens a folder item's menu, and whether either leaves
// icons behind. A resident launcher redraws and opens menus all day: the
// counts of live icons and of the folder menu's image list must not grow.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "app/app.h"
#include "core/data_files.h"
#include "core/state.h"
#include "mainwindow/main_window.h"
#include "platform/headless/fake_icons.h"
#include "platform/headless/fake_services.h"
#include "platform/headless/testing.h"
#include "platform/ui/application.h"
#include "support/temp_folder.h"

namespace {

namespace uit = ui::test;

constexpr char kDataFolder[] = "C:\\Pelorin\\";
constexpr char kFolderItem[] = "C:\\Data";
constexpr int kRefreshes = 1000;
constexpr int kMenus = 100;

// Pelorin started and shown with 19 programs and, in the last slot, a folder
// of 12 files and 2 sub-folders of 5 files each.
class Launcher {
 public:
  Launcher() {
    platform::headless::FakeFileSystem& files = Fakes.Files;
    files.MakeFolder(kDataFolder);
    files.MakeFolder("C:\\Tools\\");
    pelorin::LauncherState state;
    state.ApplyFirstRunDefaults();
    state.ShowLine = 5;
    state.IcLine = 4;
    state.MaxLine = 20;
    state.ClShow = false;
    for (int i = 0; i < pelorin::kSlotsPerPanel - 1; ++i) {
      pelorin::ItemRecord item;
      item.FilePath = "C:\\Tools\\ツール" + std::to_string(i) + ".exe";
      item.IconPath = item.FilePath;
      // Every other icon by index from a file.
      if (i % 2 == 1) {
        item.IconPath = "C:\\Tools\\icons.dll";
        item.IconNumber = i;
      }
      test::WriteHostFile(files.HostPath(item.FilePath), "x");
      state.AppendItem(0, item);
    }
    Fakes.Icons.SetIconCount("C:\\Tools\\icons.dll", 40);
    pelorin::ItemRecord folder;
    folder.FilePath = kFolderItem;
    folder.IsFolder = true;
    folder.IconPath = kFolderItem;
    state.AppendItem(0, folder);
    for (const std::string sub : {"", "\\sub1", "\\サブ2"}) {
      files.MakeFolder(kFolderItem + sub + "\\");
      for (int f = 0; f < (sub.empty() ? 12 : 5); ++f) {
        test::WriteHostFile(files.HostPath(kFolderItem + sub + "\\file" + std::to_string(f) + ".txt"), "x");
      }
    }
    test::WriteHostFile(files.HostPath(std::string(kDataFolder) + pelorin::kPanelFileName), pelorin::FormatPanelFile(state));
    test::WriteHostFile(files.HostPath(std::string(kDataFolder) + pelorin::kItemFileName), pelorin::FormatItemFile(state));
    test::WriteHostFile(files.HostPath(std::string(kDataFolder) + pelorin::kOptionFileName),
              pelorin::FormatOptionFile(state, pelorin::StartPositions(state)));
    if (!App.Start()) std::abort();
    Ui.Run();
  }

  pelorin::TForm1& Main() { return App.MainWindow(); }

  // A press on the folder item's button; the user dismisses its menu.
  void OpenFolderMenu() {
    ui::Image& button = *Main().Images[pelorin::kSlotsPerPanel - 1];
    uit::Script script(Ui);
    script.ExpectPopup("LaunchPopup", uit::Dismiss());
    uit::MoveMouse(button, {3, 3});
    uit::Click(button, ui::MouseButton::Left, {3, 3});
    script.Done();
  }

  test::TempFolder Host;
  platform::headless::FakeServices Fakes{Host.Path(), std::string(kDataFolder) + "Pelorin.exe"};
  ui::Application Ui;
  pelorin::App App{Ui, Fakes.Services};
};

void BM_RefreshPanel20Items(benchmark::State& state) {
  Launcher launcher;
  for (auto _ : state) {
    launcher.Main().RefreshPanel();
    launcher.Fakes.Log.Clear();
  }
  state.counters["live_icons"] = platform::headless::LiveFakeIconCount();
}
BENCHMARK(BM_RefreshPanel20Items)->Unit(benchmark::kMicrosecond);

void BM_PressOpensFolderMenu(benchmark::State& state) {
  Launcher launcher;
  for (auto _ : state) {
    launcher.OpenFolderMenu();
    launcher.Fakes.Log.Clear();
  }
  state.counters["image_list"] = launcher.Main().ImageList1->Count();
}
BENCHMARK(BM_PressOpensFolderMenu)->Unit(benchmark::kMicrosecond);

// Live icons and image-list entries before and after 1,000 refreshes and
// 100 folder menus; the run fails when either has grown.
void BM_ResourcesAfterLongUse(benchmark::State& state) {
  Launcher launcher;
  pelorin::TForm1& main = launcher.Main();
  // One menu first: the image list then holds one tree's icons.
  launcher.OpenFolderMenu();
  const int iconsBefore = platform::headless::LiveFakeIconCount();
  const int imagesBefore = main.ImageList1->Count();
  int iconsAfterRefreshes = 0;
  for (auto _ : state) {
    for (int i = 0; i < kRefreshes; ++i) {
      main.RefreshPanel();
      launcher.Fakes.Log.Clear();
    }
    iconsAfterRefreshes = platform::headless::LiveFakeIconCount();
    for (int i = 0; i < kMenus; ++i) {
      launcher.OpenFolderMenu();
      launcher.Fakes.Log.Clear();
    }
  }
  const int iconsAfter = platform::headless::LiveFakeIconCount();
  const int imagesAfter = main.ImageList1->Count();
  state.counters["icons_before"] = iconsBefore;
  state.counters["icons_after_refreshes"] = iconsAfterRefreshes;
  state.counters["icons_after_menus"] = iconsAfter;
  state.counters["image_list_before"] = imagesBefore;
  state.counters["image_list_after"] = imagesAfter;
  if (iconsAfterRefreshes > iconsBefore || iconsAfter > iconsBefore || imagesAfter > imagesBefore) {
    state.SkipWithError("live icons or image-list entries grew");
  }
}
BENCHMARK(BM_ResourcesAfterLongUse)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
