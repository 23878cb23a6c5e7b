#pragma once
// Owners of GDI and user handles (each handle has exactly one owner that
// frees it), and the GDI helpers the painting code shares.

#include <windows.h>

#include <utility>

#include "platform/ui/types.h"
#include "platform/win32/wide_text.h"

namespace ui::win32 {

template <typename Handle, typename Free>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Hands the handle to a new owner (a menu that takes a submenu).
  Handle Release() { return std::exchange(handle_, nullptr); }
  void Reset(Handle handle = nullptr) {
    if (handle_ != nullptr) Free()(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

struct DeleteGdiObject {
  void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct DeleteDc {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
struct DestroyMenuHandle {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};

using Font = UniqueHandle<HFONT, DeleteGdiObject>;
using Bitmap = UniqueHandle<HBITMAP, DeleteGdiObject>;
using Brush = UniqueHandle<HBRUSH, DeleteGdiObject>;
using MemoryDc = UniqueHandle<HDC, DeleteDc>;
using Menu = UniqueHandle<HMENU, DestroyMenuHandle>;

// Selects an object into a DC for one scope and puts the previous one back,
// so that the object can be deleted afterwards.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;
  ~Selection() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A system colour is looked up each time it is drawn, so that it follows the
// user's colour scheme; an RGB value is used as it is.
inline COLORREF ToColorRef(ColorValue color) {
  return IsSystemColor(color) ? GetSysColor(SystemColorIndex(color)) : static_cast<COLORREF>(color);
}

inline void FillSolid(HDC dc, const RECT& rect, COLORREF color) {
  SetDCBrushColor(dc, color);
  FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

// The height is the character height in pixels (a negative LOGFONT height).
// The Shift-JIS character set picks Japanese glyphs on any system.
inline Font MakeFont(const FontSpec& font) {
  return Font(CreateFontW(-font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE,
                          font.underline ? TRUE : FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                          platform::win32::Wide(font.name).c_str()));
}

inline RECT ToRect(const Rect& rect) {
  return RECT{rect.left, rect.top, rect.left + rect.width, rect.top + rect.height};
}

}  // namespace ui::win32
