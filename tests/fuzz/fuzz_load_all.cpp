// LoadAll on arbitrary data files. The input is split at the first two
// "\0\0" into svp.pld, svf.itd and opt.dat; missing parts are missing files.
// After any load the state must be in range, and saving it, loading that and
// saving again must give the same bytes.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data_files.h"

namespace {

using pelorin::LauncherState;

// Files held in memory, by Windows path.
class MemoryFileSystem : public platform::FileSystem {
 public:
  std::string ExecutablePath() override { return "C:\\ツール\\表示\\Pelorin.exe"; }
  platform::FileResult ReadWholeFile(const std::string& path, std::string& contents) override {
    const auto found = files_.find(path);
    if (found == files_.end()) return platform::FileResult::Failure("missing");
    contents = found->second;
    return platform::FileResult::Success();
  }
  platform::FileResult WriteWholeFile(const std::string& path, std::string_view bytes) override {
    files_[path] = std::string(bytes);
    return platform::FileResult::Success();
  }
  platform::FileResult MoveOver(const std::string& source, const std::string& target) override {
    const auto found = files_.find(source);
    if (found == files_.end()) return platform::FileResult::Failure("missing");
    files_[target] = std::move(found->second);
    files_.erase(found);
    return platform::FileResult::Success();
  }
  platform::FileResult RemoveFile(const std::string& path) override {
    files_.erase(path);
    return platform::FileResult::Success();
  }
  std::optional<std::uint32_t> Attributes(const std::string& path) override {
    if (files_.count(path) == 0) return std::nullopt;
    return platform::kAttributeArchive;
  }
  std::vector<platform::FoundFile> FindFiles(const std::string&) override { return {}; }

  std::map<std::string, std::string>& Files() { return files_; }

 private:
  std::map<std::string, std::string> files_;
};

class CountingMessages : public platform::MessageBoxes {
 public:
  platform::MessageResult ShowMessage(const std::string&, const std::string&, platform::MessageStyle) override {
    ++shown;
    return platform::MessageResult::Ok;
  }
  int shown = 0;
};

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckInRange(const LauncherState& state) {
  Check(state.PanelCount >= 1 && state.PanelCount <= pelorin::kPanelMax);
  for (const auto count : state.PanelItemCount) Check(count <= pelorin::kSlotsPerPanel);
  Check(state.CurrentPanel < state.PanelCount);
  Check(state.ShowLine >= pelorin::kShowLineMin && state.ShowLine <= pelorin::kShowLineMax);
  Check(state.IcLine >= pelorin::kIcLineMin && state.IcLine <= pelorin::kIcLineMax);
  Check(state.MaxLine >= pelorin::kMaxLineMin && state.MaxLine <= pelorin::kMaxLineMax);
  Check(state.BarWidth >= pelorin::kBarWidthMin && state.BarWidth <= pelorin::kBarWidthMax);
  Check(state.AlphaBar >= pelorin::kAlphaBarMin && state.AlphaBar <= pelorin::kAlphaBarMax);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::string folder = "C:\\ツール\\表示\\";
  const char* names[] = {pelorin::kPanelFileName, pelorin::kItemFileName, pelorin::kOptionFileName};

  MemoryFileSystem files;
  for (const char* name : names) {
    const auto separator = input.find(std::string_view("\0\0", 2));
    files.Files()[folder + name] = std::string(input.substr(0, separator));
    if (separator == std::string_view::npos) break;
    input.remove_prefix(separator + 2);
  }

  CountingMessages messages;
  auto state = std::make_unique<LauncherState>();
  const auto result = pelorin::LoadAll(*state, files, messages);
  Check((result == pelorin::LoadResult::Failed) == (messages.shown == 1));
  Check(result != pelorin::LoadResult::FirstRun);
  CheckInRange(*state);

  const auto positions = pelorin::StartPositions(*state);
  Check(pelorin::SaveAll(*state, positions, files, messages));
  const auto saved = files.Files();
  Check(saved.size() == 3);

  auto reloaded = std::make_unique<LauncherState>();
  const int shownBefore = messages.shown;
  Check(pelorin::LoadAll(*reloaded, files, messages) == pelorin::LoadResult::Loaded);
  Check(messages.shown == shownBefore);
  Check(pelorin::SaveAll(*reloaded, positions, files, messages));
  Check(files.Files() == saved);
  return 0;
}
