#include "platform/win32/graphic_controls_win32.h"

#include <stdexcept>

#include "platform/ui/bevel.h"
#include "platform/ui/form.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/win32/container_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/icons.h"

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
    const std::string& caption = label_.Caption();
    if (caption.empty()) return;
    if (!font_) font_ = MakeFont(label_.Font());
    const Selection selected(dc, font_.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, label_.Enabled() ? ToColorRef(label_.Font().color) : GetSysColor(COLOR_GRAYTEXT));
    DrawTextA(dc, caption.data(), static_cast<int>(caption.size()), &area, DT_LEFT | DT_NOPREFIX | DT_EXPANDTABS);
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
  explicit ImageWin32(Image& image) : GraphicPeer(image), image_(image) { Refresh(Property::Picture); }

  void Paint(HDC dc) override {
    const HICON icon = platform::win32::IconHandle(image_.Picture());
    if (icon == nullptr) return;
    const RECT area = Area();
    // Unscaled at the top left, cut off at the control's edges.
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    DrawIconEx(dc, area.left, area.top, icon, iconSize_.cx, iconSize_.cy, 0, nullptr, DI_NORMAL);
    RestoreDC(dc, saved);
  }

 private:
  void Refresh(Property property) override {
    if (property == Property::Picture) {
      iconSize_ = platform::win32::IconSize(platform::win32::IconHandle(image_.Picture()));
    }
  }

  Image& image_;
  SIZE iconSize_ = {0, 0};
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

}  // namespace

GraphicPeer::GraphicPeer(Control& control) : control_(control), host_(HostOf(control)), shown_(Area()) {
  host_.Invalidate(shown_);
  UpdateTool();
}

GraphicPeer::~GraphicPeer() {
  host_.Invalidate(shown_);
  if (hasTool_) host_.Tips().RemoveTool(ToolId(control_));
  host_.ControlGone(control_);
}

RECT GraphicPeer::Area() const {
  return ToRect(control_.Bounds());
}

void GraphicPeer::Update(Property property) {
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
  const UINT_PTR id = ToolId(control_);
  const bool wanted = control_.ShowHint() && control_.Visible();
  if (!wanted) {
    if (hasTool_) tips.RemoveTool(id);
    hasTool_ = false;
    return;
  }
  const RECT rect = Area();
  const std::string& text = control_.Hint();
  if (!hasTool_) {
    tips.AddTool(id, rect, text);
    hasTool_ = true;
  } else {
    if (!EqualRect(&rect, &toolRect_)) tips.SetToolRect(id, rect);
    if (text != toolText_) tips.SetToolText(id, text);
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

}  // namespace ui
