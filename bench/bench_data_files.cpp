// SaveAll and LoadAll of a full state (10 panels of 20 items with long
// Shift-JIS paths) on real files, through the headless file system.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <filesystem>
#include <string>
#include <system_error>

#include "core/data_files.h"
#include "platform/headless/fake_file_system.h"
#include "support/temp_folder.h"

namespace {

using pelorin::LauncherState;

class NoMessages : public platform::MessageBoxes {
 public:
  platform::MessageResult ShowMessage(const std::string&, const std::string&, platform::MessageStyle) override {
    std::abort();  // a benchmark run must not fail
  }
};

LauncherState FullState() {
  LauncherState state;
  state.ApplyFirstRunDefaults();
  state.PanelCount = pelorin::kPanelMax;
  const std::string folder = "C:\\Program Files\\アプリケーション\\表示ソフトウェア\\サブフォルダ\\ツール類";
  for (int p = 0; p < pelorin::kPanelMax; ++p) {
    state.PanelName[p] = "パネル" + std::to_string(p);
    state.PanelItemCount[p] = pelorin::kSlotsPerPanel;
    for (int s = 0; s < pelorin::kSlotsPerPanel; ++s) {
      auto& item = state.Item(p, s);
      const std::string name = "アイテム" + std::to_string(p * 20 + s);
      item.FileName = name;
      item.FilePath = folder + "\\" + name + "\\実行ファイル.exe";
      item.FileHint = name + " の説明文：ダブルクリックではなく一回押すと起動します";
      item.FileFolder = folder + "\\" + name;
      item.Notify = "/オプション \"" + folder + "\\設定.ini\"";
      item.Sincro = folder + "\\同時実行.exe /s";
      item.FileExecuteSize = static_cast<std::uint8_t>(s % 3);
      item.IsFolder = s % 5 == 0;
      item.IconPath = item.FilePath;
      item.IconNumber = s - 10;
    }
  }
  return state;
}

struct Fixture {
  test::TempFolder folder;
  platform::headless::FakeFileSystem files{folder.Path(), "C:\\ツール\\表示\\Pelorin.exe"};
  NoMessages messages;
  LauncherState state = FullState();
  Fixture() { files.MakeFolder("C:\\ツール\\表示"); }
};

void BM_SaveAllFullState(benchmark::State& run) {
  Fixture fixture;
  const auto positions = pelorin::StartPositions(fixture.state);
  for (auto _ : run) {
    benchmark::DoNotOptimize(pelorin::SaveAll(fixture.state, positions, fixture.files, fixture.messages));
  }
}
BENCHMARK(BM_SaveAllFullState)->Unit(benchmark::kMicrosecond);

void BM_LoadAllFullState(benchmark::State& run) {
  Fixture fixture;
  pelorin::SaveAll(fixture.state, pelorin::StartPositions(fixture.state), fixture.files, fixture.messages);
  auto loaded = std::make_unique<LauncherState>();
  for (auto _ : run) {
    benchmark::DoNotOptimize(pelorin::LoadAll(*loaded, fixture.files, fixture.messages));
  }
}
BENCHMARK(BM_LoadAllFullState)->Unit(benchmark::kMicrosecond);

// The pure part alone: bytes to state and back, without files.
void BM_FormatAndReadItemFile(benchmark::State& run) {
  const LauncherState state = FullState();
  auto loaded = std::make_unique<LauncherState>(state);
  for (auto _ : run) {
    const std::string bytes = pelorin::FormatItemFile(state);
    benchmark::DoNotOptimize(pelorin::ReadItemFile(bytes, *loaded));
  }
  run.SetBytesProcessed(static_cast<std::int64_t>(run.iterations()) *
                        static_cast<std::int64_t>(pelorin::FormatItemFile(state).size()));
}
BENCHMARK(BM_FormatAndReadItemFile)->Unit(benchmark::kMicrosecond);

}  // namespace
