#pragma once
// What the end-to-end tests observe: windows, dialogs, popup menus and
// launches, as plain values. Texts are UTF-8; coordinates are screen (X root)
// pixels.

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace e2e {

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(const Rect& inner) const {
    return inner.left >= left && inner.top >= top && inner.right <= right && inner.bottom <= bottom;
  }
  bool operator==(const Rect&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Rect& rect);

struct Window {
  std::uint32_t hwnd = 0;
  std::uint32_t pid = 0;  // Windows process id
  std::string className;
  std::string title;
  Rect rect;    // whole window
  Rect client;  // client area
  bool visible = false;
  bool enabled = false;
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  std::uint32_t owner = 0;
  std::uint32_t parent = 0;
  int id = 0;  // control id of a child window
};

std::ostream& operator<<(std::ostream& out, const Window& window);

// Which top-level windows to look for; unset fields match anything.
struct WindowQuery {
  std::optional<std::string> title;  // exact
  std::string className;             // exact
  bool includeHidden = false;
};

struct DialogButton {
  int id = 0;
  std::string caption;  // as shown, with its "&" mnemonic mark
};

// A #32770 dialog: a message box or a common dialog.
struct DialogBox {
  Window window;
  std::string text;  // the message of a message box
  std::vector<DialogButton> buttons;
};

struct MenuItem {
  int position = 0;
  int id = 0;
  std::string text;  // with its "&" mnemonic mark; empty for a separator
  bool separator = false;
  bool checked = false;
  bool grayed = false;
  bool popup = false;   // opens a submenu
  bool hilite = false;  // the selected entry
  bool isDefault = false;
  bool radio = false;
  Rect rect;
};

struct PopupMenu {
  Window window;
  std::vector<MenuItem> items;

  // The entry whose text is text, with or without its "&" mark; throws
  // when there is none.
  const MenuItem& Item(const std::string& text) const;
  // Entry texts in order, "-" for a separator: easy to compare as a table.
  std::vector<std::string> Texts() const;
};

// One start of launch_recorder.exe (or a copy of it).
struct LaunchRecord {
  std::string exe;
  std::string commandLine;
  std::string folder;  // current folder
  bool usesShowWindow = false;
  int showCommand = 0;
};

}  // namespace e2e
