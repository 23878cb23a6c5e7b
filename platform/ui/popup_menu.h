#pragma once
// Popup menus: a tree of entries that opens at a screen position and returns
// once it has closed; the picked entry's onClick runs after it closed.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/callback.h"
#include "platform/ui/control.h"

namespace ui {

class ImageList;

class MenuItem {
 public:
  // A caption of "-" makes a separator.
  MenuItem(std::string name, std::string caption);
  MenuItem(const MenuItem&) = delete;
  MenuItem& operator=(const MenuItem&) = delete;

  const std::string& Name() const { return name_; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  bool IsSeparator() const { return caption_ == "-"; }
  bool Checked() const { return checked_; }
  void SetChecked(bool checked) { checked_ = checked; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }
  // Index into the menu's image list, or -1 for none.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index) { imageIndex_ = index; }

  MenuItem* Parent() const { return parent_; }
  int Count() const { return static_cast<int>(items_.size()); }
  MenuItem& operator[](int index) const { return *items_[static_cast<size_t>(index)]; }
  // Appends (or inserts) a child and returns it.
  MenuItem& Add(std::unique_ptr<MenuItem> item);
  MenuItem& Add(std::string name, std::string caption);
  // An entry whose pick runs command (a small callable, as a Callback takes).
  template <class Command>
  MenuItem& Add(std::string name, std::string caption, Command command);
  MenuItem& Insert(int index, std::unique_ptr<MenuItem> item);
  void Clear();
  // The entry of that name in this subtree, or nullptr.
  MenuItem* Find(const std::string& name);

  Callback<void(MenuItem&)> onClick;

  void SignalClick();

 private:
  std::string name_;
  std::string caption_;
  bool checked_ = false;
  bool enabled_ = true;
  bool visible_ = true;
  int tag_ = 0;
  int imageIndex_ = -1;
  MenuItem* parent_ = nullptr;
  std::vector<std::unique_ptr<MenuItem>> items_;
};

class PopupMenu : public Component {
 public:
  PopupMenu(Form& owner, std::string name);

  // The root entry; its children are the menu's entries.
  MenuItem& Items() { return root_; }
  ImageList* Images() const { return images_; }
  void SetImages(ImageList* images) { images_ = images; }

  // Opens the menu at a screen position and returns when it has closed,
  // after the picked entry's onClick (if any) has run.
  void Popup(Point screenPos);

  Callback<void()> onPopup;

 private:
  MenuItem root_;
  ImageList* images_ = nullptr;
};

template <class Command>
MenuItem& MenuItem::Add(std::string name, std::string caption, Command command) {
  MenuItem& item = Add(std::move(name), std::move(caption));
  item.onClick = [command](MenuItem&) { command(); };
  return item;
}

}  // namespace ui
