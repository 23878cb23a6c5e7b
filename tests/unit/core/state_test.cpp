#include "core/state.h"

#include <gtest/gtest.h>

#include <exception>

#include "platform/error.h"

namespace pelorin {
namespace {

ItemRecord Named(const std::string& name, std::int32_t icon = 0) {
  ItemRecord item;
  item.FileName = name;
  item.FilePath = "C:\\" + name;
  item.FileHint = "hint";
  item.FileFolder = "C:\\";
  item.Notify = "-a";
  item.Sincro = "sync.exe";
  item.FileExecuteSize = 2;
  item.IsFolder = true;
  item.IconPath = "icons.dll";
  item.IconNumber = icon;
  return item;
}

// A state with panels named P0.. and the given item counts, items "p<panel>s<slot>".
LauncherState WithPanels(std::initializer_list<int> counts) {
  LauncherState state;
  state.ApplyFirstRunDefaults();
  state.MaxLine = 20;
  state.PanelCount = 0;
  for (const int count : counts) {
    const int p = state.PanelCount++;
    state.PanelName[p] = "P" + std::to_string(p);
    state.PanelItemCount[p] = static_cast<std::uint8_t>(count);
    for (int s = 0; s < count; ++s) state.Item(p, s) = Named("p" + std::to_string(p) + "s" + std::to_string(s));
  }
  return state;
}

TEST(LauncherStateTest, FirstRunDefaultsLeaveItemsAlone) {
  LauncherState state;
  state.FirstRun = true;
  state.CurrentPanel = 4;
  state.PanelItemCount[1] = 3;
  state.Item(1, 0).FileName = "kept";
  state.HotExit = "Ctrl+E";
  state.ApplyFirstRunDefaults();

  EXPECT_FALSE(state.FirstRun);
  EXPECT_EQ(state.PanelCount, 1);
  EXPECT_EQ(state.PanelName[0], "ワークスペース");
  EXPECT_EQ(state.CurrentPanel, 0);
  EXPECT_EQ(state.PanelItemCount[1], 3);
  EXPECT_EQ(state.Item(1, 0).FileName, "kept");
  EXPECT_EQ(state.HotExit, "");
  // The option values themselves are checked through the bytes of opt.dat.
}

TEST(LauncherStateTest, StartsAtZeroAndIndexesItemsByPanelTimesTwentyPlusSlot) {
  LauncherState state;
  EXPECT_EQ(state.PanelCount, 0);
  EXPECT_EQ(state.ShowLine, 0);
  EXPECT_FALSE(state.TaskCheck);
  EXPECT_FALSE(state.FirstRun);
  EXPECT_EQ(state.Item(199), ItemRecord{});
  state.Item(3, 7).FileName = "x";
  EXPECT_EQ(state.Item(67).FileName, "x");
  EXPECT_EQ(&state.Item(9, 19), &state.Item(199));
  EXPECT_THROW(state.Item(0, 20), platform::Error);
  EXPECT_THROW(state.Item(10, 0), platform::Error);
  EXPECT_THROW(state.Item(-1, 0), platform::Error);
  EXPECT_THROW(state.Item(200), std::exception);
}

TEST(LauncherStateTest, AppendGoesToTheNextSlotUntilThePanelIsFull) {
  LauncherState state = WithPanels({0, 2});
  state.MaxLine = 4;
  EXPECT_EQ(state.AppendItem(1, Named("a")), 2);
  EXPECT_EQ(state.AppendItem(1, Named("b")), 3);
  EXPECT_TRUE(state.IsPanelFull(1));
  EXPECT_EQ(state.AppendItem(1, Named("c")), std::nullopt);
  EXPECT_EQ(state.PanelItemCount[1], 4);
  EXPECT_EQ(state.Item(1, 3).FileName, "b");
  EXPECT_EQ(state.Item(1, 4), ItemRecord{});

  // Lowering MaxLine below a panel's count keeps its items and refuses more.
  state.MaxLine = 3;
  EXPECT_EQ(state.AppendItem(1, Named("c")), std::nullopt);
  EXPECT_EQ(state.PanelItemCount[1], 4);
  // Twenty is the limit whatever MaxLine says.
  state = WithPanels({20});
  state.MaxLine = 255;
  EXPECT_TRUE(state.IsPanelFull(0));
  EXPECT_EQ(state.AppendItem(0, Named("z")), std::nullopt);
}

TEST(LauncherStateTest, PanelFullMessageJoinsWithoutSpaces) {
  EXPECT_EQ(PanelFullMessage("ワークスペース"), "これ以上ワークスペースにアイテムを登録できません");
}

TEST(LauncherStateTest, DeleteShiftsTheLaterSlotsOfThatPanelOnly) {
  LauncherState state = WithPanels({20, 3});
  ASSERT_TRUE(state.DeleteItem(0, 19));
  EXPECT_EQ(state.PanelItemCount[0], 19);
  EXPECT_EQ(state.Item(0, 18).FileName, "p0s18");
  EXPECT_EQ(state.Item(1, 0).FileName, "p1s0");
  EXPECT_EQ(state.PanelItemCount[1], 3);

  ASSERT_TRUE(state.DeleteItem(0, 0));
  EXPECT_EQ(state.PanelItemCount[0], 18);
  EXPECT_EQ(state.Item(0, 0), Named("p0s1"));
  EXPECT_EQ(state.Item(0, 17).FileName, "p0s18");
  EXPECT_EQ(state.Item(1, 0).FileName, "p1s0");

  EXPECT_FALSE(state.DeleteItem(1, 3));  // not in use
  EXPECT_EQ(state.PanelItemCount[1], 3);
}

TEST(LauncherStateTest, SwapExchangesAllFieldsAlsoAcrossPanels) {
  LauncherState state = WithPanels({2, 1});
  state.Item(1, 0).IconNumber = -7;
  const ItemRecord first = state.Item(0, 1);
  const ItemRecord second = state.Item(1, 0);
  state.SwapItems(1, 20);
  EXPECT_EQ(state.Item(0, 1), second);
  EXPECT_EQ(state.Item(1, 0), first);
  EXPECT_EQ(state.PanelItemCount[0], 2);
  EXPECT_EQ(state.PanelItemCount[1], 1);
}

TEST(LauncherStateTest, SwapPanelsCarriesNameCountAndAllSlots) {
  LauncherState state = WithPanels({3, 0, 5});
  state.Item(2, 4).IconNumber = 1000;
  state.Item(2, 19).FileName = "left-over beyond the count";
  state.SwapPanels(1, 2);
  EXPECT_EQ(state.PanelName[1], "P2");
  EXPECT_EQ(state.PanelItemCount[1], 5);
  EXPECT_EQ(state.Item(1, 4).IconNumber, 1000);
  EXPECT_EQ(state.Item(1, 19).FileName, "left-over beyond the count");
  EXPECT_EQ(state.PanelName[2], "P1");
  EXPECT_EQ(state.PanelItemCount[2], 0);
  EXPECT_EQ(state.Item(2, 4), ItemRecord{});
  EXPECT_EQ(state.Item(0, 2).FileName, "p0s2");
}

TEST(LauncherStateTest, DeletePanelKeepsPanelsInUseContiguous) {
  LauncherState state = WithPanels({3, 0, 5});
  ASSERT_TRUE(state.DeletePanel(1));
  EXPECT_EQ(state.PanelCount, 2);
  EXPECT_EQ(state.PanelName[1], "P2");
  EXPECT_EQ(state.PanelItemCount[1], 5);
  EXPECT_EQ(state.Item(1, 4).FileName, "p2s4");
  EXPECT_EQ(state.PanelName[2], "");
  EXPECT_EQ(state.PanelItemCount[2], 0);
  EXPECT_EQ(state.Item(2, 0), ItemRecord{});
  EXPECT_EQ(state.Item(0, 2).FileName, "p0s2");

  state = WithPanels({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  ASSERT_TRUE(state.DeletePanel(0));
  EXPECT_EQ(state.PanelCount, 9);
  EXPECT_EQ(state.PanelName[8], "P9");
  EXPECT_EQ(state.Item(8, 9).FileName, "p9s9");
  EXPECT_EQ(state.PanelName[9], "");
  EXPECT_EQ(state.Item(9, 9), ItemRecord{});
}

TEST(LauncherStateTest, DeletePanelKeepsTheCurrentPanelInUse) {
  LauncherState state = WithPanels({1, 1, 1});
  state.CurrentPanel = 1;
  ASSERT_TRUE(state.DeletePanel(1));
  EXPECT_EQ(state.CurrentPanel, 1);  // now the panel that was at position 2
  ASSERT_TRUE(state.DeletePanel(1));
  EXPECT_EQ(state.CurrentPanel, 0);
  EXPECT_FALSE(state.DeletePanel(0));  // the only panel stays
  EXPECT_EQ(state.PanelCount, 1);
  EXPECT_FALSE(state.DeletePanel(5));
}

TEST(LauncherStateTest, AddPanelUpToTen) {
  LauncherState state = WithPanels({1, 1, 1, 1, 1, 1, 1, 1, 1});
  ASSERT_TRUE(state.AddPanel("十"));
  EXPECT_EQ(state.PanelCount, 10);
  EXPECT_EQ(state.PanelName[9], "十");
  EXPECT_FALSE(state.AddPanel("十一"));
  EXPECT_EQ(state.PanelCount, 10);
}

}  // namespace
}  // namespace pelorin
