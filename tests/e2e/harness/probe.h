#pragma once
// The host's side of e2e_probe.exe: one Wine start per call, typed results.
// Waiting for a window or a dialog happens inside the probe (--wait-ms), so
// a wait costs one Wine start, not one per poll.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "harness/polling.h"
#include "harness/records.h"
#include "harness/types.h"
#include "harness/wine_environment.h"

namespace e2e {

// What a shell link holds (paths as Windows paths).
struct LinkContents {
  std::string target;
  std::string arguments;
  std::string folder;
};

// A tab strip's rows as the program laid them out.
struct TabRows {
  int rows = 0;
  Rect tabs;  // screen rectangle that the tabs cover
};

class Probe {
 public:
  // env: the environment of the prefix whose programs it sees.
  explicit Probe(std::vector<std::string> env) : env_(std::move(env)) {}

  // Runs one sub-command (arguments in UTF-8). Status 0 and 1 (nothing
  // matched) give its records; anything else throws with its stderr.
  std::vector<Record> Run(const std::vector<std::string>& arguments, Milliseconds timeout = 30s) const;

  // Windows pids of the processes running exe (a Windows path or a name).
  std::vector<std::uint32_t> FindProcesses(const std::string& exe) const;
  // Top-level windows of pid (0: any process) matching query, topmost first;
  // waits up to wait for at least one.
  std::vector<Window> FindWindows(const WindowQuery& query, std::uint32_t pid, Milliseconds wait = 0ms) const;
  // Whether hwnd is gone within wait.
  bool WaitGone(std::uint32_t hwnd, Milliseconds wait) const;
  std::vector<Window> Children(std::uint32_t hwnd) const;
  void Close(std::uint32_t hwnd) const;

  std::vector<DialogBox> Dialogs(std::uint32_t pid, Milliseconds wait = 0ms) const;
  void PressButton(std::uint32_t dialog, int id) const;
  void PressButton(std::uint32_t dialog, const std::string& caption) const;

  // files: Windows paths. x, y: the drop point in client coordinates. wide:
  // UTF-16 names, as a Unicode shell drops them; else in the system's code
  // page.
  void Drop(std::uint32_t hwnd, const std::vector<std::string>& files, int x, int y, bool wide) const;

  // The program's menu windows on the screen; waits up to wait until their
  // menu loop runs.
  std::vector<Window> MenuWindows(std::uint32_t pid, Milliseconds wait = 0ms) const;
  // The open popup menus of pid with their entries, the first opened first.
  std::vector<PopupMenu> ReadMenus(std::uint32_t pid) const;

  // keys: "down", "return", "escape", ... or a virtual-key number.
  void PostKeys(std::uint32_t hwnd, const std::vector<std::string>& keys, bool withKeyUp = true) const;
  void Type(std::uint32_t hwnd, const std::string& text) const;
  std::string GetText(std::uint32_t hwnd) const;
  void SetText(std::uint32_t hwnd, const std::string& text) const;

  struct ShellExecuteArgs {
    std::string file;  // Windows path
    std::optional<std::string> parameters;
    std::optional<std::string> folder;
    int showCommand = 1;
    std::optional<std::string> verb;
  };
  // The result of ShellExecuteW (above 32 on success).
  int ShellExecute(const ShellExecuteArgs& args) const;

  // The window with the keyboard focus in the thread of hwnd, if any.
  std::optional<Window> Focus(std::uint32_t hwnd) const;
  // Writes a shell link at link (a Windows path) to target; an empty target
  // makes a link without a file-system target.
  void MakeLink(const std::string& link, const std::string& target) const;
  // Reads the shell link at link (a Windows path) through IShellLinkW.
  LinkContents ReadLink(const std::string& link) const;
  // The rows of the tab strip hwnd.
  TabRows ReadTabRows(std::uint32_t hwnd) const;

 private:
  std::vector<std::string> env_;
};

// "0x0001004C"
std::string HexHandle(std::uint32_t handle);

}  // namespace e2e
