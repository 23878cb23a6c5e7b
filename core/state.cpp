#include "core/state.h"

#include <algorithm>
#include <utility>

#include "platform/error.h"

namespace pelorin {

namespace {

int ItemIndex(int panel, int slot) {
  if (panel < 0 || panel >= kPanelMax || slot < 0 || slot >= kSlotsPerPanel) {
    throw platform::Error("item panel " + std::to_string(panel) + " slot " + std::to_string(slot));
  }
  return panel * kSlotsPerPanel + slot;
}

template <typename T>
T ClampValue(T value, T low, T high) {
  return std::clamp(value, low, high);
}

}  // namespace

ItemRecord& LauncherState::Item(int panel, int slot) {
  return Items[ItemIndex(panel, slot)];
}

const ItemRecord& LauncherState::Item(int panel, int slot) const {
  return Items[ItemIndex(panel, slot)];
}

ItemRecord& LauncherState::Item(int index) {
  return Items.at(index);
}

const ItemRecord& LauncherState::Item(int index) const {
  return Items.at(index);
}

void LauncherState::ApplyFirstRunDefaults() {
  PanelCount = 1;
  PanelName[0] = "ワークスペース";
  CurrentPanel = 0;

  ShowLine = 5;
  IcLine = 3;
  MaxLine = 15;
  PopFolder = true;
  FontName = "ＭＳ Ｐゴシック";
  FontColor = SystemColour(8);      // window text
  ControlColor = SystemColour(15);  // button face
  MainColor = SystemColour(15);
  ButtonShado = SystemColour(6);    // window frame
  ClShow = true;
  MemSysShow = true;
  Time = true;
  wHide = true;
  BarWidth = 2;
  UD = false;
  TaskCheck = true;
  DDCheck = true;
  HotClp.clear();
  HotMyComputer.clear();
  HotSearch.clear();
  HotTrashBox.clear();
  HotExit.clear();
  HotReBoot.clear();
  MainTop = 89;
  MainLeft = 111;
  ControlTop = 109;
  ControlLeft = 253;
  AlphaMain = false;
  AlphaControl = true;
  AlphaBar = 140;

  FirstRun = false;
}

bool LauncherState::IsPanelFull(int panel) const {
  const int count = PanelItemCount.at(panel);
  return count >= MaxLine || count >= kSlotsPerPanel;
}

std::optional<int> LauncherState::AppendItem(int panel, const ItemRecord& item) {
  if (IsPanelFull(panel)) return std::nullopt;
  const int slot = PanelItemCount[panel];
  Item(panel, slot) = item;
  ++PanelItemCount[panel];
  return slot;
}

bool LauncherState::DeleteItem(int panel, int slot) {
  if (slot < 0 || slot >= PanelItemCount.at(panel)) return false;
  for (int s = slot; s + 1 < kSlotsPerPanel; ++s) {
    Item(panel, s) = std::move(Item(panel, s + 1));
  }
  // The freed last slot carries no meaning; leave it empty rather than moved-from.
  Item(panel, kSlotsPerPanel - 1) = ItemRecord{};
  --PanelItemCount[panel];
  return true;
}

void LauncherState::SwapItems(int indexA, int indexB) {
  std::swap(Item(indexA), Item(indexB));
}

bool LauncherState::AddPanel(const std::string& name) {
  if (PanelCount >= kPanelMax) return false;
  PanelName[PanelCount] = name;
  // A hand-edited svp.pld can leave a count beyond the panels in use.
  PanelItemCount[PanelCount] = 0;
  ++PanelCount;
  return true;
}

void LauncherState::SwapPanels(int panelA, int panelB) {
  std::swap(PanelName.at(panelA), PanelName.at(panelB));
  std::swap(PanelItemCount[panelA], PanelItemCount[panelB]);
  for (int slot = 0; slot < kSlotsPerPanel; ++slot) {
    std::swap(Item(panelA, slot), Item(panelB, slot));
  }
}

bool LauncherState::DeletePanel(int panel) {
  if (panel < 0 || panel >= PanelCount || PanelCount <= 1) return false;
  for (int p = panel; p + 1 < PanelCount; ++p) {
    PanelName[p] = std::move(PanelName[p + 1]);
    PanelItemCount[p] = PanelItemCount[p + 1];
    for (int slot = 0; slot < kSlotsPerPanel; ++slot) {
      Item(p, slot) = std::move(Item(p + 1, slot));
    }
  }
  const int freed = PanelCount - 1;
  PanelName[freed].clear();
  PanelItemCount[freed] = 0;
  for (int slot = 0; slot < kSlotsPerPanel; ++slot) Item(freed, slot) = ItemRecord{};
  PanelCount = static_cast<std::uint8_t>(freed);
  if (CurrentPanel >= PanelCount) CurrentPanel = static_cast<std::uint8_t>(PanelCount - 1);
  return true;
}

void LauncherState::ClampPanelTables() {
  PanelCount = ClampValue<std::uint8_t>(PanelCount, 1, kPanelMax);
  for (auto& count : PanelItemCount) {
    count = std::min<std::uint8_t>(count, kSlotsPerPanel);
  }
}

void LauncherState::ClampOptions() {
  if (CurrentPanel >= PanelCount) CurrentPanel = 0;
  ShowLine = ClampValue(ShowLine, kShowLineMin, kShowLineMax);
  IcLine = ClampValue(IcLine, kIcLineMin, kIcLineMax);
  MaxLine = ClampValue(MaxLine, kMaxLineMin, kMaxLineMax);
  BarWidth = ClampValue(BarWidth, kBarWidthMin, kBarWidthMax);
  AlphaBar = ClampValue(AlphaBar, kAlphaBarMin, kAlphaBarMax);
}

std::string PanelFullMessage(const std::string& panelName) {
  return "これ以上" + panelName + "にアイテムを登録できません";
}

}  // namespace pelorin
