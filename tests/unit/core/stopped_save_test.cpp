// A save stopped at any moment, a move that fails after the commit, and the
// backup copies kept before the first save after a failed load.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/data_files_fixture.h"

namespace pelorin {
namespace {

using namespace test_data;
using platform::headless::FakeFileSystem;
using platform::headless::FileOperation;
using platform::headless::StoppedHere;

// The three files a state saves as, in the order svp.pld, svf.itd, opt.dat.
using FileBytes = std::array<std::string, 3>;

FileBytes Saved(const LauncherState& state) {
  return {FormatPanelFile(state), FormatItemFile(state), FormatOptionFile(state, StartPositions(state))};
}

enum class MovePath { MoveFileEx, DeleteThenMove };

class StoppedSaveTest : public DataFilesTest {
 protected:
  const FileBytes kOld = {kPanels, kItems, kOptions};

  // The old set loaded, then changed in all three files: an item deleted
  // (items and counts shift), a panel renamed, an option changed.
  LauncherState NewState() {
    PutAll(kPanels, kItems, kOptions);
    LauncherState changed;
    EXPECT_EQ(LoadAll(changed, files, messages), LoadResult::Loaded);
    changed.DeleteItem(0, 0);
    changed.PanelName[1] = "新しい";
    changed.ShowLine = 9;
    return changed;
  }

  FakeFileSystem FileSystemFor(MovePath path) {
    FakeFileSystem fileSystem(temp.Path(), "C:\\Pelorin\\Pelorin.exe");
    if (path == MovePath::DeleteThenMove) fileSystem.MoveByDeleteAndRename();
    return fileSystem;
  }

  void ClearFolder() {
    for (const auto& name : FolderContents()) std::filesystem::remove(Host(name));
  }

  // Stops a save of the new state after every number of changes in turn;
  // the next start must load the old set or the new one, and its save must
  // leave nothing but the three files.
  void CheckEveryStoppingPoint(MovePath path) {
    const LauncherState changed = NewState();
    const FileBytes kNew = Saved(changed);
    ASSERT_NE(kNew[0], kOld[0]);
    ASSERT_NE(kNew[1], kOld[1]);
    ASSERT_NE(kNew[2], kOld[2]);

    bool sawOld = false, sawNew = false;
    for (int stop = 0;; ++stop) {
      ClearFolder();
      PutAll(kPanels, kItems, kOptions);
      FakeFileSystem saving = FileSystemFor(path);
      saving.StopAfterChanges(stop);
      bool finished = true;
      try {
        ASSERT_TRUE(SaveAll(changed, StartPositions(changed), saving, messages));
      } catch (const StoppedHere&) {
        finished = false;
      }
      SCOPED_TRACE(finished ? "save finished" : "stopped after " + std::to_string(stop) + " changes, in " +
                                                    saving.Log().Calls().back());

      FakeFileSystem starting = FileSystemFor(path);
      LauncherState loaded;
      ASSERT_EQ(LoadAll(loaded, starting, messages), LoadResult::Loaded);
      const FileBytes got = Saved(loaded);
      if (got == kNew) {
        sawNew = true;
      } else {
        EXPECT_EQ(got, kOld);
        sawOld = true;
        EXPECT_FALSE(sawNew) << "the old set came back after the new one was committed";
      }
      EXPECT_EQ(FolderContents(), kThreeFiles) << "after the start";

      ASSERT_TRUE(SaveAll(loaded, StartPositions(loaded), starting, messages));
      EXPECT_EQ(FolderContents(), kThreeFiles) << "after the next save";
      if (finished) break;
    }
    EXPECT_TRUE(sawOld);
    EXPECT_TRUE(sawNew);
    EXPECT_TRUE(messages.Shown().empty());
  }
};

TEST_F(StoppedSaveTest, EveryStopLeavesTheOldOrTheNewSetWithMoveFileEx) {
  CheckEveryStoppingPoint(MovePath::MoveFileEx);
}

TEST_F(StoppedSaveTest, EveryStopLeavesTheOldOrTheNewSetWithDeleteThenMove) {
  CheckEveryStoppingPoint(MovePath::DeleteThenMove);
}

TEST_F(StoppedSaveTest, FailedMoveAfterTheCommitIsReportedAndCompletedByTheNextStart) {
  const LauncherState changed = NewState();
  files.InjectFailure(FileOperation::MoveOver, "別のプロセスが使用中です。", folder + "svp.pld.tmp");
  EXPECT_FALSE(SaveAll(changed, StartPositions(changed), files, messages));
  ASSERT_EQ(messages.Shown().size(), 1u);
  EXPECT_EQ(messages.Shown()[0].Text, "別のプロセスが使用中です。\r\nC:\\Pelorin\\svp.pld");

  // While svp.pld stays locked, the waiting copy is read, so the set is whole;
  // a save cannot go on past the pending commit and says so.
  LauncherState loaded;
  ASSERT_EQ(LoadAll(loaded, files, messages), LoadResult::Loaded);
  EXPECT_EQ(Saved(loaded), Saved(changed));
  EXPECT_FALSE(SaveAll(loaded, StartPositions(loaded), files, messages));
  EXPECT_EQ(messages.Shown().size(), 2u);
  EXPECT_EQ(Contents("svp.pld"), kPanels);

  // Unlocked, the next start puts it in place.
  FakeFileSystem unlocked(temp.Path(), "C:\\Pelorin\\Pelorin.exe");
  LauncherState restarted;
  ASSERT_EQ(LoadAll(restarted, unlocked, messages), LoadResult::Loaded);
  EXPECT_EQ(Saved(restarted), Saved(changed));
  EXPECT_EQ(Contents("svp.pld"), Saved(changed)[0]);
  EXPECT_EQ(FolderContents(), kThreeFiles);
}

TEST_F(StoppedSaveTest, MarkerCutShortOrLeftoverTemporariesAreDiscarded) {
  PutAll(kPanels, kItems, kOptions);
  Put("svp.pld.tmp", "1\r\n");
  Put("svf.itd.tmp", "");
  Put("save.commit", "svf.itd\r\nsvp");
  LauncherState loaded;
  ASSERT_EQ(LoadAll(loaded, files, messages), LoadResult::Loaded);
  EXPECT_EQ(Saved(loaded), kOld);
  EXPECT_EQ(FolderContents(), kThreeFiles);
}

TEST_F(StoppedSaveTest, FirstSaveAfterAFailedLoadKeepsTheFilesOnce) {
  // The second panel's item has a broken boolean: the first panel loads.
  const std::string brokenItems = Record("one") + Record("two") + Lines({"x", "C:\\x.exe", "", "", "", "", "0", "yes"});
  PutAll(kPanels, brokenItems, kOptions);

  LauncherState loaded;
  ASSERT_EQ(LoadAll(loaded, files, messages), LoadResult::Failed);
  ASSERT_TRUE(KeepBackups(files, messages));
  ASSERT_TRUE(SaveAll(loaded, StartPositions(loaded), files, messages));

  EXPECT_EQ(Contents("svp.pld.bak"), kPanels);
  EXPECT_EQ(Contents("svf.itd.bak"), brokenItems);
  EXPECT_EQ(Contents("opt.dat.bak"), kOptions);
  EXPECT_EQ(Contents("svf.itd").substr(0, kItems.find("two") + 5), Record("one") + "two\r\n");
  EXPECT_EQ(Saved(loaded), (FileBytes{Contents("svp.pld"), Contents("svf.itd"), Contents("opt.dat")}));
}

TEST_F(StoppedSaveTest, BackupOfAMissingFileLeavesNoStaleCopy) {
  Put("opt.dat.bak", "old");
  Put("svp.pld", kPanels);
  Put("svf.itd", kItems);
  ASSERT_TRUE(KeepBackups(files, messages));
  EXPECT_EQ(FolderContents(), (std::set<std::string>{"svf.itd", "svf.itd.bak", "svp.pld", "svp.pld.bak"}));
}

}  // namespace
}  // namespace pelorin
