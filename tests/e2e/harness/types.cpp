#include "harness/types.h"

#include <cstdio>
#include <stdexcept>

namespace e2e {
namespace {

std::string WithoutMnemonic(const std::string& text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    plain += text[i];
  }
  return plain;
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const Rect& rect) {
  return out << "(" << rect.left << "," << rect.top << ")-(" << rect.right << "," << rect.bottom << ") " << rect.Width()
             << "x" << rect.Height();
}

std::ostream& operator<<(std::ostream& out, const Window& window) {
  char hwnd[16];
  std::snprintf(hwnd, sizeof hwnd, "0x%08X", window.hwnd);
  return out << hwnd << " \"" << window.title << "\" class " << window.className << " pid " << window.pid << " rect "
             << window.rect << (window.visible ? "" : " hidden");
}

const MenuItem& PopupMenu::Item(const std::string& text) const {
  for (const MenuItem& item : items) {
    if (item.text == text || WithoutMnemonic(item.text) == WithoutMnemonic(text)) return item;
  }
  std::string known;
  for (const std::string& entry : Texts()) known += " [" + entry + "]";
  throw std::runtime_error("the menu has no entry \"" + text + "\"; it holds" + known);
}

std::vector<std::string> PopupMenu::Texts() const {
  std::vector<std::string> texts;
  for (const MenuItem& item : items) texts.push_back(item.separator ? "-" : item.text);
  return texts;
}

}  // namespace e2e
