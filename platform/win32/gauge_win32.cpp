// The gauge is painted by its container, like the other graphic controls.

#include <string>

#include "platform/ui/gauge.h"
#include "platform/win32/graphic_controls_win32.h"
#include "platform/win32/handles.h"

namespace ui::win32 {

namespace {

class GaugeWin32 final : public GraphicPeer {
 public:
  explicit GaugeWin32(Gauge& gauge) : GraphicPeer(gauge), gauge_(gauge) {}

  void Paint(HDC dc) override {
    RECT frame = Area();
    FrameRect(dc, &frame, GetSysColorBrush(COLOR_BTNSHADOW));
    RECT inside = frame;
    InflateRect(&inside, -1, -1);
    if (IsRectEmpty(&inside)) return;
    RECT bar = inside;
    bar.right = inside.left + (inside.right - inside.left) * gauge_.Progress() / Gauge::kMaxProgress;
    RECT rest = inside;
    rest.left = bar.right;
    const COLORREF fore = ToColorRef(gauge_.ForeColor());
    const COLORREF back = ToColorRef(gauge_.Color());
    FillSolid(dc, bar, fore);
    FillSolid(dc, rest, back);

    if (!font_) font_ = MakeFont(gauge_.Font());
    const Selection selected(dc, font_.Get());
    SetBkMode(dc, TRANSPARENT);
    // The text takes the other part's colour, so that it reads over the bar and beside it.
    WriteClipped(dc, inside, bar, back);
    WriteClipped(dc, inside, rest, fore);
  }

 private:
  void Refresh(Property property) override {
    if (property == Property::Font) font_.Reset();
  }

  void WriteClipped(HDC dc, RECT area, const RECT& clip, COLORREF color) {
    if (IsRectEmpty(&clip)) return;
    const std::wstring text = platform::win32::Wide(std::to_string(gauge_.Progress()) + "%");
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
    SetTextColor(dc, color);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    RestoreDC(dc, saved);
  }

  Gauge& gauge_;
  Font font_;
};

}  // namespace

}  // namespace ui::win32

namespace ui {

std::unique_ptr<Peer> backend::CreatePeer(Gauge& gauge) { return std::make_unique<win32::GaugeWin32>(gauge); }

}  // namespace ui
