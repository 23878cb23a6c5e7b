#include "startup/startup_support.h"

#include <sstream>
#include <stdexcept>

#include "harness/process.h"
#include "harness/wine_environment.h"

namespace e2e {
namespace {

constexpr int kCellPitch = 37;
constexpr Milliseconds kToolTimeout = 30s;

std::string Describe(const std::vector<Window>& windows) {
  if (windows.empty()) return " none";
  std::ostringstream text;
  for (const Window& window : windows) text << "\n  " << window;
  return text.str();
}

std::string RunTool(const std::vector<std::string>& argv) {
  RunResult result = Run({.argv = argv, .env = WineEnvironment::Get().Env()}, kToolTimeout);
  if (result.status != 0) {
    throw std::runtime_error(CommandText(argv) + " failed (status " + std::to_string(result.status) + ")\n" +
                             result.err);
  }
  return result.out;
}

}  // namespace

Rect MainWindowRect(int left, int top, int perRow, int rows) {
  return {left, top, left + kCellPitch * perRow + 1 + kToolFrameWidth, top + kCellPitch * rows + 1 + kToolFrameHeight};
}



std::set<std::string> FilesIn(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename().string());
  return names;
}

std::vector<std::string> FirstRunPanelLines() {
  std::vector<std::string> panels = {"1", ToCp932("ワークスペース"), "0"};
  for (int unused = 1; unused < 10; ++unused) panels.insert(panels.end(), {"", "0"});
  return panels;
}

std::vector<std::string> FirstRunOptionLines() {
  // clang-format off
  return {"5", "3", "15", "TRUE", "0", ToCp932("ＭＳ Ｐゴシック"),
          "-2147483640", "-2147483633", "-2147483633", "-2147483642",
          "TRUE", "TRUE", "TRUE", "TRUE", "2", "FALSE", "TRUE", "TRUE",
          "", "", "", "", "", "",     // the six hot keys
          "89", "111", "109", "253",  // main window top, left; control window top, left
          "FALSE", "TRUE", "140"};
  // clang-format on
}

std::string& Option(std::vector<std::string>& lines, OptionLine line) {
  return lines.at(static_cast<std::size_t>(line) - 1);
}

Window WaitForMainWindow(const Program& app) { return app.WaitForWindow(kMainWindowQuery); }

Window WaitForMainWindowAt(const Program& app, const Rect& rect) {
  Window main = WaitForMainWindow(app);
  PollUntil(kDefaultTimeout, [&] {
    auto windows = app.Windows(kMainWindowQuery);
    if (!windows.empty()) main = windows.front();
    return main.rect == rect;
  });
  if (main.rect != rect) {
    std::ostringstream text;
    text << "the main window did not reach " << rect << "; it is " << main;
    for (const DialogBox& dialog : app.Dialogs()) {
      text << "\n  dialog \"" << dialog.window.title << "\": " << dialog.text;
    }
    throw std::runtime_error(text.str());
  }
  return main;
}

std::vector<Window> OtherVisibleForms(const Program& app, const Window& main) {
  std::vector<Window> others;
  for (const Window& window : app.Windows({.className = "PelorinForm"})) {
    if (window.hwnd != main.hwnd) others.push_back(window);
  }
  return others;
}

Window WaitForControlWindow(const Program& app, const Window& main) {
  std::vector<Window> others;
  PollUntil(kDefaultTimeout, [&] {
    others = OtherVisibleForms(app, main);
    return !others.empty();
  });
  if (others.size() != 1) {
    throw std::runtime_error("expected the control window as the one other visible window; there are:" +
                             Describe(others));
  }
  return others.front();
}

Window ApplicationWindow(const Program& app) {
  auto windows = app.Windows(kApplicationWindowQuery);
  if (windows.size() != 1) {
    throw std::runtime_error("expected one application window; there are:" + Describe(windows));
  }
  return windows.front();
}

bool WaitUntilNoTrayIcon(const E2eSession& s) {
  return PollUntil(kDefaultTimeout, [&] { return s.Windows(kTrayWindowQuery).empty(); });
}

std::optional<std::uint32_t> XOpacity(const std::string& title) {
  std::istringstream ids(RunTool({"xdotool", "search", "--onlyvisible", "--name", "^" + title + "$"}));
  std::string id;
  if (!(ids >> id)) throw std::runtime_error("no visible X window titled " + title);
  if (std::string more; ids >> more) throw std::runtime_error("more than one visible X window titled " + title);

  // "_NET_WM_WINDOW_OPACITY = 3368601800", or "...:  not found." when unset.
  std::string answer = RunTool({"xprop", "-id", id, "-notype", "_NET_WM_WINDOW_OPACITY"});
  const auto equals = answer.find(" = ");
  if (equals == std::string::npos) return std::nullopt;
  return static_cast<std::uint32_t>(std::stoul(answer.substr(equals + 3)));
}

}  // namespace e2e
