#include "platform/win32/win_controls_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "platform/error.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/panel.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/spin_button.h"
#include "platform/win32/application_win32.h"
#include "platform/win32/combo_box_look_win32.h"
#include "platform/win32/container_win32.h"
#include "platform/win32/first_use_win32.h"
#include "platform/win32/form_win32.h"
#include "platform/win32/wide_text.h"

namespace ui::win32 {

namespace {

// Marks our child windows, so that a handle from a message can be mapped back to its peer.
constexpr wchar_t kPeerProperty[] = L"PelorinPeer";

std::wstring WindowText(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)), L'\0');
  const int copied = GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size() + 1));
  text.resize(static_cast<std::size_t>(std::max(copied, 0)));
  return text;
}

// Where the control's window lies in its container window: graphic
// controls are not windows, but windowed ones always lie on a container.
ContainerWin32& ContainerOf(WinControl& control) {
  if (control.Parent() == nullptr) throw platform::Error("a windowed control without a parent: " + control.Name());
  return ContainerWin32::Of(*control.Parent());
}

}  // namespace

WinControlPeer::WinControlPeer(WinControl& control)
    : control_(control),
      container_(ContainerOf(control)),
      id_(ApplicationWin32::Of(control.Program()).NewControlId()) {}

WinControlPeer::~WinControlPeer() {
  container_.ControlGone(control_);
  if (hasTip_) container_.Tips().RemoveTool(container_.Handle(), reinterpret_cast<UINT_PTR>(hwnd_));
  if (hwnd_ != nullptr) {
    RemovePropW(hwnd_, kPeerProperty);
    if (ownsWindow_) DestroyWindow(hwnd_);
  }
}

WinControlPeer* WinControlPeer::FromHandle(HWND hwnd) {
  if (hwnd == nullptr) return nullptr;
  return static_cast<WinControlPeer*>(GetPropW(hwnd, kPeerProperty));
}

void WinControlPeer::CreateChild(const wchar_t* className, DWORD style, DWORD exStyle, const std::string& text) {
  const Rect& bounds = control_.Bounds();
  style |= WS_CHILD | WS_CLIPSIBLINGS | GroupStyle();
  if (control_.Visible()) style |= WS_VISIBLE;
  if (!control_.Enabled()) style |= WS_DISABLED;
  if (control_.TabStop()) style |= WS_TABSTOP;
  // Under the manifest even a button or an edit is a common control.
  platform::win32::EnsureCommonControls();
  const HWND hwnd = CreateWindowExW(exStyle, className, platform::win32::Wide(text).c_str(), style, bounds.left,
                                    bounds.top, bounds.width, WindowHeight(), container_.Handle(),
                                    reinterpret_cast<HMENU>(UINT_PTR{id_}), GetModuleHandleW(nullptr), nullptr);
  if (hwnd == nullptr) throw platform::Error("CreateWindowExW failed: " + platform::win32::Narrow(className));
  ownsWindow_ = true;
  Attach(hwnd);
}

DWORD WinControlPeer::GroupStyle() const {
  const auto& siblings = control_.Parent()->Children();
  const auto self = std::find(siblings.begin(), siblings.end(), &control_);
  const Control* previous = nullptr;
  for (auto it = self; it != siblings.begin();) {
    --it;
    if (!(*it)->IsGraphic()) {
      previous = *it;
      break;
    }
  }
  const auto isRadio = [](const Control* control) { return dynamic_cast<const RadioButton*>(control) != nullptr; };
  return isRadio(&control_) != isRadio(previous) ? WS_GROUP : 0;
}

void WinControlPeer::Attach(HWND hwnd) {
  hwnd_ = hwnd;
  SetPropW(hwnd_, kPeerProperty, this);
  font_ = MakeFont(control_.Font());
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
  // Last in the tab order so far: creation order is the default tab order.
  SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  UpdateTip();
}

void WinControlPeer::Defer(WPARAM value) {
  PostMessageW(container_.Handle(), kDeferredMessage, value, reinterpret_cast<LPARAM>(hwnd_));
}

void WinControlPeer::Update(Property property) {
  switch (property) {
    case Property::Bounds:
      ApplyBounds();
      break;
    case Property::Visible:
      ShowWindow(hwnd_, control_.Visible() ? SW_SHOWNA : SW_HIDE);
      UpdateTip();
      break;
    case Property::Enabled:
      EnableWindow(hwnd_, control_.Enabled() ? TRUE : FALSE);
      break;
    case Property::Hint:
      UpdateTip();
      break;
    case Property::Font:
      font_ = MakeFont(control_.Font());
      SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
      break;
    case Property::Focus:
      ::SetFocus(hwnd_);
      break;
    default:
      Apply(property);
      break;
  }
}

HBRUSH WinControlPeer::OwnColors(HDC dc) {
  const ColorValue color = control_.Color();
  SetTextColor(dc, ToColorRef(control_.Font().color));
  SetBkColor(dc, ToColorRef(color));
  // A system colour's brush is the system's and follows the colour scheme.
  if (IsSystemColor(color)) return GetSysColorBrush(SystemColorIndex(color));
  if (!brush_ || brushColor_ != color) {
    brush_.Reset(CreateSolidBrush(ToColorRef(color)));
    brushColor_ = color;
  }
  return brush_.Get();
}

void WinControlPeer::ApplyBounds() {
  const Rect& bounds = control_.Bounds();
  SetWindowPos(hwnd_, nullptr, bounds.left, bounds.top, bounds.width, WindowHeight(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void WinControlPeer::UpdateTip() {
  Tooltips& tips = container_.Tips();
  const auto id = reinterpret_cast<UINT_PTR>(hwnd_);
  const bool wanted = control_.ShowHint() && !control_.Hint().empty();
  const HWND container = container_.Handle();
  if (wanted && !hasTip_) {
    tips.AddWindowTool(container, hwnd_, control_.Hint());
  } else if (wanted) {
    tips.SetToolText(container, id, control_.Hint());
  } else if (hasTip_) {
    tips.RemoveTool(container, id);
  }
  hasTip_ = wanted;
}

namespace {

class EditWin32 final : public WinControlPeer {
 public:
  explicit EditWin32(Edit& edit) : WinControlPeer(edit), edit_(edit) {
    const DWORD style = ES_AUTOHSCROLL | (edit.ReadOnly() ? ES_READONLY : 0) | (edit.Centred() ? ES_CENTER : 0);
    CreateChild(L"EDIT", style, WS_EX_CLIENTEDGE, edit.Text());
  }

  void OnCommand(WORD code) override {
    if (code == EN_SETFOCUS) edit_.SignalFocused();
    if (code == EN_CHANGE && !IsMuted()) edit_.SignalTextChanged(platform::win32::AsUtf16(WindowText(Hwnd())));
  }

 private:
  void Apply(Property property) override {
    if (property == Property::Text) {
      // SetWindowText sends EN_CHANGE, which is no typing of the user's.
      Muted([&] { SetWindowTextW(Hwnd(), platform::win32::Wide(edit_.Text()).c_str()); });
    } else if (property == Property::ReadOnly) {
      SendMessageW(Hwnd(), EM_SETREADONLY, edit_.ReadOnly() ? TRUE : FALSE, 0);
    }
  }

  Edit& edit_;
};

class ButtonWin32 final : public WinControlPeer {
 public:
  explicit ButtonWin32(Button& button) : WinControlPeer(button), button_(button) {
    CreateChild(L"BUTTON", (button.IsDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | BS_NOTIFY, 0, button.Caption());
  }

  void OnCommand(WORD code) override {
    if (code == BN_SETFOCUS) button_.SignalFocused();
    if (code == BN_CLICKED) button_.SignalClick();
  }

 private:
  void Apply(Property property) override {
    if (property == Property::Text) SetWindowTextW(Hwnd(), platform::win32::Wide(button_.Caption()).c_str());
    // Whether it shows the default frame depends on the focus too: the form decides.
    if (property == Property::Style) FormWin32::Of(button_.OwnerForm()).ShowDefaultFrame();
  }

  Button& button_;
};

class CheckBoxWin32 final : public WinControlPeer {
 public:
  explicit CheckBoxWin32(CheckBox& box) : WinControlPeer(box), box_(box) {
    CreateChild(L"BUTTON", BS_AUTOCHECKBOX | BS_NOTIFY, 0, box.Caption());
    Apply(Property::Checked);
  }

  void OnCommand(WORD code) override {
    if (code == BN_SETFOCUS) box_.SignalFocused();
    if (code == BN_CLICKED && !IsMuted()) {
      box_.SignalToggled(SendMessageW(Hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED);
    }
  }

 private:
  void Apply(Property property) override {
    if (property == Property::Checked) {
      Muted([&] { SendMessageW(Hwnd(), BM_SETCHECK, box_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0); });
    }
  }

  CheckBox& box_;
};

class ComboBoxWin32 final : public WinControlPeer {
 public:
  explicit ComboBoxWin32(ComboBox& box) : WinControlPeer(box), box_(box) {
    CreateChild(L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0, "");
    look_.emplace(Hwnd());
    // The list that drops down asks for its colours as the box's own part.
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    if (GetComboBoxInfo(Hwnd(), &info) && info.hwndList != nullptr) {
      list_ = info.hwndList;
      SetPropW(list_, kPeerProperty, this);
    }
    Apply(Property::Items);
    Apply(Property::Style);
  }
  ~ComboBoxWin32() override {
    if (list_ != nullptr) RemovePropW(list_, kPeerProperty);
  }

  // Disabled, it keeps the platform's greyed look.
  HBRUSH ControlColors(HDC dc) override { return IsWindowEnabled(Hwnd()) ? OwnColors(dc) : nullptr; }

  void OnCommand(WORD code) override {
    if (code == CBN_SETFOCUS) box_.SignalFocused();
    if (code == CBN_SELCHANGE && !IsMuted()) {
      box_.SignalSelected(static_cast<int>(SendMessageW(Hwnd(), CB_GETCURSEL, 0, 0)));
    }
  }

 private:
  // The window includes the list that drops down: room for eight rows.
  int WindowHeight() const override { return box_.Height() + 8 * 16; }

  void Apply(Property property) override {
    if (property == Property::Color) InvalidateRect(Hwnd(), nullptr, TRUE);
    if (property == Property::Style) {
      if (box_.ItemHeight() > 0) SendMessageW(Hwnd(), CB_SETITEMHEIGHT, 0, box_.ItemHeight());
      look_->Set(box_.Flat(), box_.AutoDropDown());
    }
    Muted([&] {
      if (property == Property::Items) {
        SendMessageW(Hwnd(), CB_RESETCONTENT, 0, 0);
        for (const auto& item : box_.Items()) {
          SendMessageW(Hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(platform::win32::Wide(item).c_str()));
        }
      }
      if (property == Property::Items || property == Property::ItemIndex) {
        SendMessageW(Hwnd(), CB_SETCURSEL, static_cast<WPARAM>(box_.ItemIndex()), 0);
      }
    });
  }

  ComboBox& box_;
  HWND list_ = nullptr;
  // Made once the window exists; goes before it.
  std::optional<ComboBoxLook> look_;
};

class SpinButtonWin32 final : public WinControlPeer {
  static constexpr WPARAM kUp = 1;
  static constexpr WPARAM kDown = 2;

 public:
  explicit SpinButtonWin32(SpinButton& spin) : WinControlPeer(spin), spin_(spin) {
    CreateChild(UPDOWN_CLASSW, spin.Horizontal() ? UDS_HORZ : 0, 0, "");
    Apply(Property::Range);
  }

  LRESULT OnNotify(const NMHDR& header) override {
    if (header.code != UDN_DELTAPOS) return 0;
    const auto& change = reinterpret_cast<const NMUPDOWN&>(header);
    if (change.iDelta != 0) Defer(change.iDelta > 0 ? kUp : kDown);
    // The position is the widget's to set (no wrap, the same on every backend).
    return TRUE;
  }

  void OnDeferred(WPARAM arrow) override { spin_.SignalArrow(arrow == kUp ? SpinArrow::Up : SpinArrow::Down); }

 private:
  void Apply(Property property) override {
    if (property == Property::Range) {
      SendMessageW(Hwnd(), UDM_SETRANGE32, static_cast<WPARAM>(spin_.Min()), static_cast<LPARAM>(spin_.Max()));
    }
    if (property == Property::Range || property == Property::Position) {
      SendMessageW(Hwnd(), UDM_SETPOS32, 0, static_cast<LPARAM>(spin_.Position()));
    }
  }

  SpinButton& spin_;
};

}  // namespace

}  // namespace ui::win32

namespace ui {

std::unique_ptr<Peer> backend::CreatePeer(Edit& edit) { return std::make_unique<win32::EditWin32>(edit); }

std::unique_ptr<Peer> backend::CreatePeer(Button& button) { return std::make_unique<win32::ButtonWin32>(button); }

std::unique_ptr<Peer> backend::CreatePeer(CheckBox& box) { return std::make_unique<win32::CheckBoxWin32>(box); }

std::unique_ptr<Peer> backend::CreatePeer(ComboBox& box) { return std::make_unique<win32::ComboBoxWin32>(box); }

std::unique_ptr<Peer> backend::CreatePeer(SpinButton& spin) { return std::make_unique<win32::SpinButtonWin32>(spin); }

}  // namespace ui

namespace ui::win32 {

namespace {

// A panel: a child window of its own class that holds controls.
class PanelWin32 final : public WinControlPeer, public ContainerWin32 {
 public:
  explicit PanelWin32(Panel& panel) : WinControlPeer(panel), ContainerWin32(panel, panel.Program()), panel_(panel) {
    DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | GroupStyle();
    if (panel.Visible()) style |= WS_VISIBLE;
    if (!panel.Enabled()) style |= WS_DISABLED;
    // Tab goes on into the panel's own controls.
    Create(ApplicationWin32::Of(panel.Program()).ClassName(WindowClass::Panel), WS_EX_CONTROLPARENT | EdgeStyle(), style, std::string(), ToRect(panel.Bounds()),
           WinControlPeer::Container().Handle());
    UseTips(WinControlPeer::Container().Tips());
    Attach(Handle());
  }
  ~PanelWin32() override { Destroy(); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (LRESULT result = 0; HandleContainerMessage(message, wParam, lParam, result)) return result;
    return Default(message, wParam, lParam);
  }

 private:
  DWORD EdgeStyle() const { return panel_.Lowered() ? WS_EX_STATICEDGE : 0; }

  void Apply(Property property) override {
    if (property == Property::Color) InvalidateRect(Handle(), nullptr, FALSE);
    if (property == Property::Style) {
      const LONG exStyle = GetWindowLongW(Handle(), GWL_EXSTYLE) & ~WS_EX_STATICEDGE;
      SetWindowLongW(Handle(), GWL_EXSTYLE, exStyle | static_cast<LONG>(EdgeStyle()));
      SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
  }

  Panel& panel_;
};

}  // namespace

}  // namespace ui::win32

namespace ui {

std::unique_ptr<Peer> backend::CreatePeer(Panel& panel) { return std::make_unique<win32::PanelWin32>(panel); }

}  // namespace ui
