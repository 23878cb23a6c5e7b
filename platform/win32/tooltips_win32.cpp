#include "platform/win32/tooltips_win32.h"

#include "platform/error.h"
#include "platform/win32/first_use_win32.h"
#include "platform/win32/wide_text.h"

namespace ui::win32 {

Tooltips::~Tooltips() {
  if (window_ != nullptr) DestroyWindow(window_);
}

TTTOOLINFOW Tooltips::ToolInfo(HWND container, UINT_PTR id) {
  TTTOOLINFOW info = {};
  // The size that version 5 of the common controls accepts too.
  info.cbSize = TTTOOLINFOW_V2_SIZE;
  info.hwnd = container;
  info.uId = id;
  return info;
}

TTTOOLINFOW Tooltips::ToolInfo(const PendingTool& tool) {
  TTTOOLINFOW info = ToolInfo(tool.container, tool.id);
  if (tool.isWindow) {
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  } else {
    info.rect = tool.rect;
  }
  return info;
}

Tooltips::PendingTool* Tooltips::FindPending(HWND container, UINT_PTR id) {
  for (PendingTool& tool : pending_) {
    if (tool.container == container && tool.id == id) return &tool;
  }
  return nullptr;
}

void Tooltips::GiveToWindow(const PendingTool& tool) {
  TTTOOLINFOW info = ToolInfo(tool);
  info.lpszText = const_cast<wchar_t*>(tool.text.c_str());
  SendMessageW(window_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltips::Add(PendingTool tool) {
  if (window_ == nullptr) {
    pending_.push_back(std::move(tool));
  } else {
    GiveToWindow(tool);
  }
}

void Tooltips::AddTool(HWND container, UINT_PTR id, const RECT& rect, const std::string& text) {
  Add({container, id, false, rect, platform::win32::Wide(text)});
}

void Tooltips::AddWindowTool(HWND container, HWND child, const std::string& text) {
  Add({container, reinterpret_cast<UINT_PTR>(child), true, {}, platform::win32::Wide(text)});
}

void Tooltips::SetToolRect(HWND container, UINT_PTR id, const RECT& rect) {
  if (window_ == nullptr) {
    if (PendingTool* tool = FindPending(container, id)) tool->rect = rect;
    return;
  }
  TTTOOLINFOW info = ToolInfo(container, id);
  info.rect = rect;
  SendMessageW(window_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltips::SetToolText(HWND container, UINT_PTR id, const std::string& text) {
  if (window_ == nullptr) {
    if (PendingTool* tool = FindPending(container, id)) tool->text = platform::win32::Wide(text);
    return;
  }
  TTTOOLINFOW info = ToolInfo(container, id);
  std::wstring wide = platform::win32::Wide(text);
  info.lpszText = wide.data();
  SendMessageW(window_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltips::RemoveTool(HWND container, UINT_PTR id) {
  if (window_ == nullptr) {
    std::erase_if(pending_, [&](const PendingTool& tool) { return tool.container == container && tool.id == id; });
    return;
  }
  TTTOOLINFOW info = ToolInfo(container, id);
  SendMessageW(window_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltips::PointerOver(HWND under) {
  if (window_ != nullptr || pending_.empty()) return;
  platform::win32::EnsureCommonControls();
  window_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (window_ == nullptr) throw platform::Error("CreateWindowExW failed: tooltips_class32");
  for (const PendingTool& tool : pending_) GiveToWindow(tool);
  pending_.clear();
  // The move that brought the pointer here starts the tip's wait, as later ones do.
  POINT screen;
  if (!GetCursorPos(&screen)) return;
  POINT client = screen;
  ScreenToClient(under, &client);
  MSG move = {under, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y), static_cast<DWORD>(GetMessageTime()), screen};
  SendMessageW(window_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

void Tooltips::Relay(HWND container, UINT message, WPARAM wParam, LPARAM lParam) {
  if (window_ == nullptr) return;
  const DWORD pos = GetMessagePos();
  MSG msg = {container, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()),
             POINT{static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))}};
  SendMessageW(window_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

}  // namespace ui::win32
