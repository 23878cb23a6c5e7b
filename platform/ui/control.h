#pragma once
// Base of every widget: a name, a place in the parent, visibility, colour,
// font, tip text and the mouse events. Geometry is relative to the parent's
// client area; for a form it is the outer rectangle on the screen.

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/callback.h"
#include "platform/ui/peer.h"
#include "platform/ui/types.h"

namespace ui {

class Application;
class Form;

// Everything a control table gives for one control, in one place:
//   ui::Edit FilePath{form, {.name = "FilePath", .bounds = {112, 66, 225, 20},
//                            .hint = "登録ファイルのパス"}};
// Each widget uses the fields that apply to it; graphic controls too, so
// that a window's header reads like its control table.
struct ControlProps {
  // Views of literals, so that a window's control table costs no strings
  // until the widgets copy what they keep.
  std::string_view name = {};
  Rect bounds = {};
  std::string_view caption = {};  // label, button, check box
  std::string_view hint = {};     // tooltip; shown when not empty
  bool readOnly = false;           // edit
  bool tabStop = true;
  bool isDefault = false;          // button pressed by Enter
  bool isCancel = false;           // button pressed by Esc
  bool horizontal = false;         // spin button
  bool lowered = false;            // bevel, panel
  bool centred = false;            // label, edit: text in the middle
  std::initializer_list<std::string_view> items = {};  // combo box rows, tabs
};

// Something a form owns that is not drawn: timers, menus, image lists.
class Component {
 public:
  Component(Form& owner, std::string name);
  virtual ~Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  const std::string& Name() const { return name_; }
  Form& Owner() const { return owner_; }
  Peer* GetPeer() const { return peer_.get(); }

 protected:
  void AttachPeer(std::unique_ptr<Peer> peer) { peer_ = std::move(peer); }
  void Changed(Property property);

 private:
  Form& owner_;
  std::string name_;
  std::unique_ptr<Peer> peer_;
};

class Control {
 public:
  Control(Application& app, Control* parent, std::string name);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  Application& Program() const { return app_; }
  Control* Parent() const { return parent_; }
  // The form this control lives on (the form itself for a form).
  Form& OwnerForm();
  // Children in z-order, bottom first.
  const std::vector<Control*>& Children() const { return children_; }
  // Label, Image and Bevel are drawn and hit-tested by their parent window.
  virtual bool IsGraphic() const { return false; }
  // Forms and panels hold other controls; on every backend a control other
  // than a form must lie on one of them (never on an edit, a bevel, ...).
  virtual bool IsContainer() const { return false; }

  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.width; }
  int Height() const { return bounds_.height; }
  const Rect& Bounds() const { return bounds_; }
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetHeight(int height);
  void SetBounds(Rect bounds);

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // Tip text, shown by the platform's tooltips while the pointer rests on the control.
  const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool show);

  ColorValue Color() const { return color_; }
  void SetColor(ColorValue color);
  const FontSpec& Font() const { return font_; }
  void SetFont(FontSpec font);

  // The pointer's shape over the control.
  Cursor GetCursor() const { return cursor_; }
  void SetCursor(Cursor cursor);

  // Moves the control to the top of its siblings.
  void BringToFront();

  // Mouse positions are in the control's own client coordinates.
  Callback<void(MouseButton, ShiftState, Point)> onMouseDown;
  Callback<void(MouseButton, ShiftState, Point)> onMouseUp;
  Callback<void(ShiftState, Point)> onMouseMove;
  Callback<void()> onClick;

  // Backend entry points: each native event arrives through exactly one of these.
  void SignalMouseDown(MouseButton button, ShiftState shift, Point at);
  void SignalMouseUp(MouseButton button, ShiftState shift, Point at);
  void SignalMouseMove(ShiftState shift, Point at);
  void SignalClick();
  // The platform moved or sized the control (e.g. the user dragged a form):
  // store the new rectangle without echoing it back to the peer.
  void SignalBoundsChanged(Rect bounds);

  // The backend's side of the control; nullptr until its form has a window
  // (see Form::HandleNeeded).
  Peer* GetPeer() const { return peer_.get(); }

 protected:
  // The backend's peer of this kind of widget; it mirrors the whole state it finds.
  virtual std::unique_ptr<Peer> MakePeer() = 0;
  // Called last by each widget's constructor: the peer comes now when the
  // form already has its window, else with the form's window.
  void Constructed();
  void AttachPeer(std::unique_ptr<Peer> peer) { peer_ = std::move(peer); }
  void Changed(Property property);
  // A change made while the control has no peer: the peer reads it when it is made.
  virtual void ChangedWithoutPeer(Property) {}
  // parent, or platform::Error unless it is a container.
  static Control& RequireContainer(Control& parent);

 private:
  friend class Form;

  Application& app_;
  Control* parent_;
  std::string name_;
  std::vector<Control*> children_;
  // The form the control lies on (nullptr for a form), kept so that the
  // control leaves its form's list whatever was destroyed before it.
  Form* form_ = nullptr;
  std::unique_ptr<Peer> peer_;

  Rect bounds_;
  bool visible_ = true;
  bool enabled_ = true;
  std::string hint_;
  bool showHint_ = false;
  ColorValue color_ = SystemColor(syscolor::kBtnFace);
  FontSpec font_;
  Cursor cursor_ = Cursor::Default;
};

}  // namespace ui
