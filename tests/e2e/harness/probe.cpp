#include "harness/probe.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace e2e {
namespace {

constexpr Milliseconds kProbeMargin = 30s;

std::string Millis(Milliseconds wait) { return std::to_string(wait.count()); }

MenuItem ItemFrom(const Record& record) {
  MenuItem item;
  item.position = static_cast<int>(record.Int("position"));
  item.id = static_cast<int>(record.Int("id"));
  item.text = record.Text("text");
  item.rect = record.Rectangle("rect");
  std::stringstream flags(record.Text("flags"));
  for (std::string flag; std::getline(flags, flag, ',');) {
    if (flag == "separator") item.separator = true;
    if (flag == "checked") item.checked = true;
    if (flag == "grayed") item.grayed = true;
    if (flag == "popup") item.popup = true;
    if (flag == "hilite") item.hilite = true;
    if (flag == "default") item.isDefault = true;
    if (flag == "radio") item.radio = true;
  }
  return item;
}

}  // namespace

std::string HexHandle(std::uint32_t handle) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", handle);
  return text;
}

std::vector<Record> Probe::Run(const std::vector<std::string>& arguments, Milliseconds timeout) const {
  SpawnOptions options{.argv = {"wine", WineEnvironment::HelperFile("e2e_probe.exe").string()},
                       .env = env_};
  options.argv.insert(options.argv.end(), arguments.begin(), arguments.end());
  RunResult result = e2e::Run(options, timeout);
  if (result.status != 0 && result.status != 1) {
    throw std::runtime_error("probe failed (status " + std::to_string(result.status) + "): " + CommandText(arguments) +
                             "\n" + result.err);
  }
  return ParseRecords(result.out);
}

std::vector<std::uint32_t> Probe::FindProcesses(const std::string& exe) const {
  std::vector<std::uint32_t> pids;
  for (const Record& record : Run({"find-process", "--exe", exe})) {
    pids.push_back(static_cast<std::uint32_t>(record.Int("pid")));
  }
  return pids;
}

std::vector<Window> Probe::FindWindows(const WindowQuery& query, std::uint32_t pid, Milliseconds wait) const {
  std::vector<std::string> arguments = {"find-window", "--wait-ms", Millis(wait)};
  if (pid != 0) arguments.insert(arguments.end(), {"--pid", std::to_string(pid)});
  if (query.title) arguments.insert(arguments.end(), {"--title", *query.title});
  if (!query.className.empty()) arguments.insert(arguments.end(), {"--class", query.className});
  if (query.includeHidden) arguments.insert(arguments.end(), {"--hidden", "1"});
  std::vector<Window> windows;
  for (const Record& record : Run(arguments, wait + kProbeMargin)) windows.push_back(WindowFrom(record));
  return windows;
}

bool Probe::WaitGone(std::uint32_t hwnd, Milliseconds wait) const {
  SpawnOptions options{.argv = {"wine", WineEnvironment::HelperFile("e2e_probe.exe").string(), "wait-gone", "--hwnd",
                                HexHandle(hwnd), "--wait-ms", Millis(wait)},
                       .env = env_};
  return e2e::Run(options, wait + kProbeMargin).status == 0;
}

std::vector<Window> Probe::Children(std::uint32_t hwnd) const {
  std::vector<Window> windows;
  for (const Record& record : Run({"children", "--hwnd", HexHandle(hwnd)})) windows.push_back(WindowFrom(record));
  return windows;
}

void Probe::Close(std::uint32_t hwnd) const { Run({"close", "--hwnd", HexHandle(hwnd)}); }

std::vector<DialogBox> Probe::Dialogs(std::uint32_t pid, Milliseconds wait) const {
  std::vector<DialogBox> dialogs;
  for (const Record& record :
       Run({"dialogs", "--pid", std::to_string(pid), "--wait-ms", Millis(wait)}, wait + kProbeMargin)) {
    DialogBox dialog{.window = WindowFrom(record), .text = record.Text("text")};
    for (const std::string& button : record.All("button")) {
      auto colon = button.find(':');
      dialog.buttons.push_back({std::stoi(button.substr(0, colon)), button.substr(colon + 1)});
    }
    dialogs.push_back(std::move(dialog));
  }
  return dialogs;
}

void Probe::PressButton(std::uint32_t dialog, int id) const {
  Run({"press", "--hwnd", HexHandle(dialog), "--id", std::to_string(id)});
}

void Probe::PressButton(std::uint32_t dialog, const std::string& caption) const {
  Run({"press", "--hwnd", HexHandle(dialog), "--caption", caption});
}

void Probe::Drop(std::uint32_t hwnd, const std::vector<std::string>& files, int x, int y, bool wide) const {
  std::vector<std::string> arguments = {"drop", "--hwnd", HexHandle(hwnd), "--x", std::to_string(x),
                                        "--y", std::to_string(y), "--wide", wide ? "1" : "0", "--"};
  arguments.insert(arguments.end(), files.begin(), files.end());
  Run(arguments);
}

std::vector<Window> Probe::MenuWindows(std::uint32_t pid, Milliseconds wait) const {
  std::vector<Window> windows;
  for (const Record& record :
       Run({"menus", "--pid", std::to_string(pid), "--wait-ms", Millis(wait)}, wait + kProbeMargin)) {
    windows.push_back(WindowFrom(record));
  }
  return windows;
}

std::optional<Window> Probe::Focus(std::uint32_t hwnd) const {
  const std::vector<Record> records = Run({"focus", "--hwnd", HexHandle(hwnd)});
  if (records.empty()) return std::nullopt;
  return WindowFrom(records.front());
}

TabRows Probe::ReadTabRows(std::uint32_t hwnd) const {
  const std::vector<Record> records = Run({"tab-rows", "--hwnd", HexHandle(hwnd)});
  if (records.empty()) throw std::runtime_error("no tabs in " + HexHandle(hwnd));
  return TabRows{.rows = static_cast<int>(records.front().Int("rows")), .tabs = records.front().Rectangle("tabs")};
}

void Probe::MakeLink(const std::string& link, const std::string& target) const {
  std::vector<std::string> arguments = {"make-link", "--link", link};
  if (!target.empty()) {
    arguments.push_back("--target");
    arguments.push_back(target);
  }
  Run(arguments);
}

LinkContents Probe::ReadLink(const std::string& link) const {
  const std::vector<Record> records = Run({"read-link", "--link", link});
  if (records.empty()) throw std::runtime_error("read-link printed nothing");
  return {.target = records.front().Text("target"),
          .arguments = records.front().Text("arguments"),
          .folder = records.front().Text("folder")};
}

std::vector<PopupMenu> Probe::ReadMenus(std::uint32_t pid) const {
  std::vector<PopupMenu> menus;
  for (const Record& record : Run({"read-menus", "--pid", std::to_string(pid)})) {
    if (record.Text("kind") == "menu") {
      menus.push_back({.window = WindowFrom(record)});
    } else {
      auto index = static_cast<std::size_t>(record.Int("menu"));
      if (index >= menus.size()) throw std::runtime_error("menu item before its menu:\n" + record.ToString());
      menus[index].items.push_back(ItemFrom(record));
    }
  }
  return menus;
}

void Probe::PostKeys(std::uint32_t hwnd, const std::vector<std::string>& keys, bool withKeyUp) const {
  std::vector<std::string> arguments = {"keys", "--hwnd", HexHandle(hwnd), "--up", withKeyUp ? "1" : "0", "--"};
  arguments.insert(arguments.end(), keys.begin(), keys.end());
  Run(arguments);
}

void Probe::Type(std::uint32_t hwnd, const std::string& text) const {
  Run({"type", "--hwnd", HexHandle(hwnd), "--", text});
}

std::string Probe::GetText(std::uint32_t hwnd) const {
  auto records = Run({"get-text", "--hwnd", HexHandle(hwnd)});
  if (records.empty()) throw std::runtime_error("get-text printed nothing");
  return records.front().Text("text");
}

void Probe::SetText(std::uint32_t hwnd, const std::string& text) const {
  Run({"set-text", "--hwnd", HexHandle(hwnd), "--", text});
}

int Probe::ShellExecute(const ShellExecuteArgs& args) const {
  std::vector<std::string> arguments = {"shell-execute", "--file", args.file, "--show",
                                        std::to_string(args.showCommand)};
  if (args.parameters) arguments.insert(arguments.end(), {"--params", *args.parameters});
  if (args.folder) arguments.insert(arguments.end(), {"--dir", *args.folder});
  if (args.verb) arguments.insert(arguments.end(), {"--verb", *args.verb});
  auto records = Run(arguments);
  if (records.empty()) throw std::runtime_error("shell-execute printed nothing");
  return static_cast<int>(records.front().Int("result"));
}

}  // namespace e2e
