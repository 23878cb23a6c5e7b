#include "platform/win32/graphic_controls_win32.h"

#include <algorithm>
#include <stdexcept>

#include "platform/ui/bevel.h"
#include "platform/ui/form.h"
#include "platform/ui/group_box.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/win32/container_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/icons.h"
#include "platform/win32/wide_text.h"

namespace ui::win32 {

namespace {

ContainerWin32& HostOf(Control& control) {
  return ContainerWin32::Of(*control.Parent());
}

UINT_PTR ToolId(const Control& control) {
  return reinterpret_cast<UINT_PTR>(&control);
}

class LabelWin32 final : public GraphicPeer {
 public:
  explicit LabelWin32(Label& label) : GraphicPeer(label), label_(label) {}

  void Paint(HDC dc) override {
    RECT area = Area();
    if (!label_.Transparent()) FillSolid(dc, area, ToColorRef(label_.Color()));
    if (label_.Caption().empty()) return;
    const std::wstring caption = platform::win32::Wide(label_.Caption());
    if (!font_) font_ = MakeFont(label_.Font());
    const Selection selected(dc, font_.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, label_.Enabled() ? ToColorRef(label_.Font().color) : GetSysColor(COLOR_GRAYTEXT));
    const UINT alignment = label_.Centred() ? DT_CENTER : DT_LEFT;
    DrawTextW(dc, caption.data(), static_cast<int>(caption.size()), &area, alignment | DT_NOPREFIX | DT_EXPANDTABS);
  }

 private:
  void Refresh(Property property) override {
    if (property == Property::Font) font_.Reset();
  }

  Label& label_;
  // Made when a caption is first drawn: most labels here are plain rectangles.
  Font font_;
};

class ImageWin32 final : public GraphicPeer {
 public:
  explicit ImageWin32(Image& image) : GraphicPeer(image), image_(image) {}

  void Paint(HDC dc) override {
    const HICON icon = platform::win32::IconHandle(image_.Picture());
    if (icon == nullptr) return;
    const RECT area = Area();
    // Unscaled at the top left, cut off at the control's edges.
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    // A zero size draws the icon at its own.
    DrawIconEx(dc, area.left, area.top, icon, 0, 0, 0, nullptr, DI_NORMAL);
    RestoreDC(dc, saved);
  }

 private:
  Image& image_;
};

class BevelWin32 final : public GraphicPeer {
 public:
  explicit BevelWin32(Bevel& bevel) : GraphicPeer(bevel), bevel_(bevel) {}

  void Paint(HDC dc) override {
    RECT area = Area();
    DrawEdge(dc, &area, bevel_.Style() == BevelStyle::Raised ? EDGE_RAISED : EDGE_SUNKEN, BF_RECT);
  }

 private:
  Bevel& bevel_;
};

class GroupBoxWin32 final : public GraphicPeer {
 public:
  explicit GroupBoxWin32(GroupBox& box) : GraphicPeer(box), box_(box) {}

  void Paint(HDC dc) override {
    const RECT area = Area();
    if (!font_) font_ = MakeFont(box_.Font());
    const Selection selected(dc, font_.Get());
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    // The top edge runs through the middle of the caption's line.
    RECT frame = area;
    frame.top += metrics.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);

    if (box_.Caption().empty()) return;
    const std::wstring caption = platform::win32::Wide(box_.Caption());
    const int length = static_cast<int>(caption.size());
    RECT text = {area.left + 8, area.top, area.right - 8, area.top + metrics.tmHeight};
    if (text.right <= text.left) return;
    RECT measured = text;
    DrawTextW(dc, caption.data(), length, &measured, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    text.right = std::min(text.right, measured.right);
    // The caption interrupts the edge: a pixel of the container's background either side.
    RECT gap = text;
    InflateRect(&gap, 1, 0);
    FillSolid(dc, gap, ToColorRef(box_.Parent()->Color()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, box_.Enabled() ? ToColorRef(box_.Font().color) : GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, caption.data(), length, &text, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT);
  }

  // Only a frame, as the platform's group box: the pointer reaches what lies inside.
  bool TakesPointer() const override { return false; }

 private:
  void Refresh(Property property) override {
    if (property == Property::Font) font_.Reset();
  }

  GroupBox& box_;
  Font font_;
};

}  // namespace

GraphicPeer::GraphicPeer(Control& control) : control_(control), host_(HostOf(control)), shown_(Area()) {
  host_.Invalidate(shown_);
  UpdateTool();
}

GraphicPeer::~GraphicPeer() {
  host_.Invalidate(shown_);
  if (hasTool_) host_.Tips().RemoveTool(host_.Handle(), ToolId(control_));
  host_.ControlGone(control_);
}

RECT GraphicPeer::Area() const {
  return ToRect(control_.Bounds());
}

void GraphicPeer::Update(Property property) {
  // The container reads the cursor at the next WM_SETCURSOR; nothing to draw.
  if (property == Property::Cursor) return;
  Refresh(property);
  host_.Invalidate(shown_);
  if (property == Property::Bounds) {
    shown_ = Area();
    host_.Invalidate(shown_);
  }
  if (property == Property::Bounds || property == Property::Visible || property == Property::Hint) UpdateTool();
}

void GraphicPeer::UpdateTool() {
  Tooltips& tips = host_.Tips();
  const HWND host = host_.Handle();
  const UINT_PTR id = ToolId(control_);
  const bool wanted = control_.ShowHint() && control_.Visible();
  if (!wanted) {
    if (hasTool_) tips.RemoveTool(host, id);
    hasTool_ = false;
    return;
  }
  const RECT rect = Area();
  const std::string& text = control_.Hint();
  if (!hasTool_) {
    tips.AddTool(host, id, rect, text);
    hasTool_ = true;
  } else {
    if (!EqualRect(&rect, &toolRect_)) tips.SetToolRect(host, id, rect);
    if (text != toolText_) tips.SetToolText(host, id, text);
  }
  toolRect_ = rect;
  toolText_ = text;
}

}  // namespace ui::win32

namespace ui {

std::unique_ptr<Peer> backend::CreatePeer(Label& label) {
  return std::make_unique<win32::LabelWin32>(label);
}

std::unique_ptr<Peer> backend::CreatePeer(Image& image) {
  return std::make_unique<win32::ImageWin32>(image);
}

std::unique_ptr<Peer> backend::CreatePeer(Bevel& bevel) {
  return std::make_unique<win32::BevelWin32>(bevel);
}

std::unique_ptr<Peer> backend::CreatePeer(GroupBox& box) {
  return std::make_unique<win32::GroupBoxWin32>(box);
}

}  // namespace ui
