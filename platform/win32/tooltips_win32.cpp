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

void Tooltips::CreateWindowOnce() {
  if (window_ != nullptr) return;
  platform::win32::EnsureCommonControls();
  window_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr,
                            GetModuleHandleA(nullptr), nullptr);
  if (window_ == nullptr) throw platform::Error("CreateWindowExA failed: tooltips_class32");
}

void Tooltips::Add(TTTOOLINFOA& info, const std::string& text) {
  CreateWindowOnce();
  info.lpszText = const_cast<char*>(text.c_str());
  SendMessageA(window_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltips::AddTool(HWND container, UINT_PTR id, const RECT& rect, const std::string& text) {
  TTTOOLINFOA info = ToolInfo(container, id);
  info.rect = rect;
  Add(info, text);
}

void Tooltips::AddWindowTool(HWND container, HWND child, const std::string& text) {
  TTTOOLINFOA info = ToolInfo(container, reinterpret_cast<UINT_PTR>(child));
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  Add(info, text);
}

void Tooltips::SetToolRect(HWND container, UINT_PTR id, const RECT& rect) {
  TTTOOLINFOA info = ToolInfo(container, id);
  info.rect = rect;
  SendMessageA(window_, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltips::SetToolText(HWND container, UINT_PTR id, const std::string& text) {
  TTTOOLINFOA info = ToolInfo(container, id);
  info.lpszText = const_cast<char*>(text.c_str());
  SendMessageA(window_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltips::RemoveTool(HWND container, UINT_PTR id) {
  TTTOOLINFOA info = ToolInfo(container, id);
  SendMessageA(window_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltips::Relay(HWND container, UINT message, WPARAM wParam, LPARAM lParam) {
  if (window_ == nullptr) return;
  const DWORD pos = GetMessagePos();
  MSG msg = {container, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()),
             POINT{static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))}};
  SendMessageA(window_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

}  // namespace ui::win32
