#include "launch/launch_popup.h"

#include <algorithm>

#include "platform/collation.h"
#include "platform/text.h"

namespace pelorin {

namespace {

constexpr char kFolderMarker = '0';
constexpr char kFileMarker = '1';

bool HasAny(std::uint32_t attributes, std::uint32_t bits) { return (attributes & bits) != 0; }

// The file name without its extension (the last '.' and what follows).
std::string WithoutExtension(const std::string& name) {
  return name.substr(0, name.size() - platform::ExtractFileExt(name).size());
}

}  // namespace

TLaunchPopup::TLaunchPopup(ui::Form& owner, std::string name, platform::FileSystem& files, platform::Icons& icons,
                           platform::Shell& shell)
    : ui::PopupMenu(owner, std::move(name)), files_(files), icons_(icons), shell_(shell) {}

void TLaunchPopup::BuildMenu() {
  if (directory_.empty()) return;
  const auto attributes = files_.Attributes(directory_);
  if (!attributes || !HasAny(*attributes, platform::kAttributeDirectory)) return;
  entryCounter_ = 0;
  pathList_.clear();
  // One icon per entry of this tree only: a resident launcher must not grow with every press.
  if (Images() != nullptr) Images()->Clear();
  AddFolder(directory_, Items(), Items().Count());
}

void TLaunchPopup::AddFolder(const std::string& folder, ui::MenuItem& parent, int position) {
  std::vector<std::string> candidates;
  for (const auto& found : files_.FindFiles(folder + "*.*")) {
    if (HasAny(found.Attributes, platform::kAttributeDirectory) && found.Name != "." && found.Name != "..") {
      candidates.push_back(kFolderMarker + found.Name);
    }
  }
  for (const auto& found : files_.FindFiles(folder + mask_)) {
    const auto excluded = platform::kAttributeDirectory | platform::kAttributeHidden | platform::kAttributeSystem;
    if (!HasAny(found.Attributes, excluded)) candidates.push_back(kFileMarker + found.Name);
  }
  // The markers put every sub-folder before every file.
  std::stable_sort(candidates.begin(), candidates.end(), [](const std::string& a, const std::string& b) {
    return platform::CompareTextIgnoreCase(a, b) < 0;
  });

  for (const auto& candidate : candidates) {
    const std::string name = candidate.substr(1);
    const std::string path = folder + name;
    if (candidate.front() == kFileMarker) {
      auto entry = std::make_unique<ui::MenuItem>(path, WithoutExtension(name));
      entry->SetTag(kFirstEntryTag + entryCounter_);
      ++entryCounter_;
      entry->onClick = [this](ui::MenuItem& picked) { ItemClick(picked); };
      pathList_.push_back(path);
      AttachIcon(*entry, path);
      parent.Add(std::move(entry));
      ++position;
    } else if (searchDirectory_) {
      auto entry = std::make_unique<ui::MenuItem>(path + "\\", name);
      AttachIcon(*entry, path);
      parent.Add(std::move(entry));
      AddFolder(path + "\\", parent[position], 0);
      ++position;
    }
  }
}

void TLaunchPopup::AttachIcon(ui::MenuItem& entry, const std::string& path) {
  ui::ImageList* images = Images();
  if (images == nullptr) return;
  // The list keeps a copy scaled to its size; this handle goes at the end of the scope.
  const platform::Icon icon = icons_.ShellIcon(path);
  if (!icon) return;
  images->Add(icon);
  entry.SetImageIndex(images->Count() - 1);
}

void TLaunchPopup::ItemClick(ui::MenuItem& entry) {
  const int index = entry.Tag() - kFirstEntryTag;
  if (index < 0 || index >= static_cast<int>(pathList_.size())) return;
  const std::string path = pathList_[static_cast<size_t>(index)];
  if (onItemClick) {
    ItemPath = path;
    onItemClick(*this);
    return;
  }
  shell_.Execute(nullptr, "", path, "", platform::ExtractFilePath(path), platform::kShowNormal);
}

std::unique_ptr<ui::ImageList> CreateFolderMenuImages(ui::Form& owner, std::string name) {
  return std::make_unique<ui::ImageList>(owner, std::move(name), ui::Size{16, 16},
                                         ui::SystemColor(ui::syscolor::kWindow));
}

void SetUpFolderMenu(TLaunchPopup& popup, ui::ImageList& images) {
  popup.SetSearchDirectory(true);
  popup.SetMask("*.*");
  popup.SetImages(&images);
}

}  // namespace pelorin
