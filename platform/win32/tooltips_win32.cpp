#include "platform/win32/tooltips_win32.h"

#include "platform/error.h"
#include "platform/win32/first_use_win32.h"

namespace ui::win32 {

Tooltips::~Tooltips() {
  if (window_ != nullptr) DestroyWindow(window_);
}

TTTOOLINFOA Tooltips::ToolInfo(HWND container, UINT_PTR id) {
  TTTOOLINFOA info = {};
  // The size that version 5 of the common controls accepts too.
  info.cbSize = TTTOOLINFOA_V2_SIZE;
  info.hwnd = container;
  info.uId = id;
  return info;
}

TTTOOLINFOA Tooltips::ToolInfo(const PendingTool& tool) {
  TTTOOLINFOA info = ToolInfo(tool.container, tool.id);
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
  TTTOOLINFOA info = ToolInfo(tool);
  info.lpszText = const_cast<char*>(tool.text.c_str());
  SendMessageA(window_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltips::Add(PendingTool tool) {
  if (window_ == nullptr) {
    pending_.push_back(std::move(tool));
  } else {
    GiveToWindow(tool);
  }
}

void Tooltips::AddTool(HWND container, UINT_PTR id, const RECT& rect, const std::string& text) {
  Add({container, id, false, rect, text});
}

void Tooltips::AddWindowTool(HWND container, HWND child, const std::string& text) {
  Add({container, reinterpret_cast<UINT_PTR>(child), true, {}, text});
}

void Tooltips::SetToolRect(HWND container, UINT_PTR id, const RECT& rect) {
  if (window_ == nullptr) {
    if (PendingTool* tool = FindPending(container, id)) tool->rect = rect;
    return;
  }
  TTTOOLINFOA info = ToolInfo(container, id);
  info.rect = rect;
  SendMessageA(window_, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltips::SetToolText(HWND container, UINT_PTR id, const std::string& text) {
  if (window_ == nullptr) {
    if (PendingTool* tool = FindPending(container, id)) tool->text = text;
    return;
  }
  TTTOOLINFOA info = ToolInfo(container, id);
  info.lpszText = const_cast<char*>(text.c_str());
  SendMessageA(window_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltips::RemoveTool(HWND container, UINT_PTR id) {
  if (window_ == nullptr) {
    std::erase_if(pending_, [&](const PendingTool& tool) { return tool.container == container && tool.id == id; });
    return;
  }
  TTTOOLINFOA info = ToolInfo(container, id);
  SendMessageA(window_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltips::PointerOver(HWND under) {
  if (window_ != nullptr || pending_.empty()) return;
  platform::win32::EnsureCommonControls();
  window_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
  if (window_ == nullptr) throw platform::Error("CreateWindowExA failed: tooltips_class32");
  for (const PendingTool& tool : pending_) GiveToWindow(tool);
  pending_.clear();
  // The move that brought the pointer here starts the tip's wait, as later ones do.
  POINT screen;
  if (!GetCursorPos(&screen)) return;
  POINT client = screen;
  ScreenToClient(under, &client);
  MSG move = {under, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y), static_cast<DWORD>(GetMessageTime()), screen};
  SendMessageA(window_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

void Tooltips::Relay(HWND container, UINT message, WPARAM wParam, LPARAM lParam) {
  if (window_ == nullptr) return;
  const DWORD pos = GetMessagePos();
  MSG msg = {container, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()),
             POINT{static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))}};
  SendMessageA(window_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

}  // namespace ui::win32
