#pragma once
// The launcher state: every item, panel table and option of the program, in
// one object that all windows share. Zero, FALSE and empty until loaded.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace pelorin {

inline constexpr int kPanelMax = 10;
inline constexpr int kSlotsPerPanel = 20;
inline constexpr int kItemMax = kPanelMax * kSlotsPerPanel;

// Ranges that the windows rely on (grid size, strip width, opacity).
inline constexpr std::uint8_t kShowLineMin = 4, kShowLineMax = 20;
inline constexpr std::uint8_t kIcLineMin = 1, kIcLineMax = 4;
inline constexpr std::uint8_t kMaxLineMin = 4, kMaxLineMax = 20;
inline constexpr std::uint8_t kBarWidthMin = 1, kBarWidthMax = 8;
inline constexpr std::int32_t kAlphaBarMin = 0, kAlphaBarMax = 185;

// One registered item (program, document, shortcut, URL or folder).
struct ItemRecord {
  std::string FileName;
  std::string FilePath;
  std::string FileHint;
  std::string FileFolder;
  std::string Notify;
  std::string Sincro;
  std::uint8_t FileExecuteSize = 0;  // 0 normal, 1 minimised, 2 maximised
  bool IsFolder = false;
  std::string IconPath;
  std::int32_t IconNumber = 0;

  bool operator==(const ItemRecord&) const = default;
};

// Colours: 0x00BBGGRR, or 0x80000000 + n for system colour n.
inline constexpr std::int32_t SystemColour(int index) {
  return static_cast<std::int32_t>(0x80000000u + static_cast<std::uint32_t>(index));
}

struct LauncherState {
  // Items, index panel * 20 + slot.
  std::array<ItemRecord, kItemMax> Items;

  // Panel tables.
  std::array<std::string, kPanelMax> PanelName;
  std::array<std::uint8_t, kPanelMax> PanelItemCount{};
  std::uint8_t PanelCount = 0;
  std::uint8_t CurrentPanel = 0;

  // Options, in the order of opt.dat.
  std::uint8_t ShowLine = 0;
  std::uint8_t IcLine = 0;
  std::uint8_t MaxLine = 0;
  bool PopFolder = false;
  std::string FontName;
  std::int32_t FontColor = 0;
  std::int32_t ControlColor = 0;
  std::int32_t MainColor = 0;
  std::int32_t ButtonShado = 0;
  bool ClShow = false;
  bool MemSysShow = false;
  bool Time = false;
  bool wHide = false;
  std::uint8_t BarWidth = 0;
  bool UD = false;
  bool TaskCheck = false;
  bool DDCheck = false;
  std::string HotClp;
  std::string HotMyComputer;
  std::string HotSearch;
  std::string HotTrashBox;
  std::string HotExit;
  std::string HotReBoot;
  // Window positions read at start-up; a save writes the live ones instead.
  std::int32_t MainTop = 0;
  std::int32_t MainLeft = 0;
  std::int32_t ControlTop = 0;
  std::int32_t ControlLeft = 0;
  bool AlphaMain = false;
  bool AlphaControl = false;
  std::int32_t AlphaBar = 0;

  // Process flags.
  bool FirstRun = false;
  bool CanHide = false;

  // The record at panel * 20 + slot; throws platform::Error outside the tables.
  ItemRecord& Item(int panel, int slot);
  const ItemRecord& Item(int panel, int slot) const;
  ItemRecord& Item(int index);
  const ItemRecord& Item(int index) const;

  // The values of a first run: one panel "ワークスペース", every option and
  // start position at its default, hot keys empty; clears FirstRun. Item
  // counts and items stay as they are.
  void ApplyFirstRunDefaults();

  // A panel refuses new items at MaxLine items or more, and always at 20.
  bool IsPanelFull(int panel) const;
  // Writes item into the next free slot of panel and returns that slot;
  // nothing when the panel is full (see PanelFullMessage).
  std::optional<int> AppendItem(int panel, const ItemRecord& item);
  // Removes the item at slot: slots slot+1..19 move down one, the count drops
  // by one, other panels stay. False (and nothing changes) when slot is not in use.
  bool DeleteItem(int panel, int slot);
  // Exchanges two item records (all ten fields), also across panels; counts stay.
  void SwapItems(int indexA, int indexB);

  // Appends a panel with no items; false when all ten are in use.
  bool AddPanel(const std::string& name);
  // Exchanges two whole panels: name, count and all 20 slots.
  void SwapPanels(int panelA, int panelB);
  // Removes panel in use: the later ones move down, the freed last position
  // is emptied. The only panel is kept (at least one panel is always in use),
  // and CurrentPanel moves to the new last panel if it would lie beyond it.
  bool DeletePanel(int panel);

  // Brings PanelCount to 1..10 and every count to at most 20.
  void ClampPanelTables();
  // Brings CurrentPanel and the range-checked options into range (the nearest
  // bound; CurrentPanel outside the panels in use becomes 0).
  void ClampOptions();
};

// The six hot-key options by hot-key id: 0 the Control Panel, 1 My Computer,
// 2 the file search, 3 the recycle bin, 4 shutdown, 5 restart.
inline constexpr int kHotKeyCount = 6;
inline constexpr std::array<std::string LauncherState::*, kHotKeyCount> kHotKeyOptions = {
    &LauncherState::HotClp,      &LauncherState::HotMyComputer, &LauncherState::HotSearch,
    &LauncherState::HotTrashBox, &LauncherState::HotExit,       &LauncherState::HotReBoot};

// "これ以上" + name + "にアイテムを登録できません": the answer to a full panel.
std::string PanelFullMessage(const std::string& panelName);

}  // namespace pelorin
