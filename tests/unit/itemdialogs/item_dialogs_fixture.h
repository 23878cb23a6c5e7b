#pragma once
// The program started on the headless backend, with helpers for the item
// dialogs: files on the fake disk, the dialogs and the bytes of svf.itd.

#include <initializer_list>
#include <string>

#include "core/data_files.h"
#include "itemdialogs/add_item_dialog.h"
#include "itemdialogs/data_change_dialog.h"
#include "itemdialogs/icon_chooser.h"
#include "mainwindow/main_window.h"
#include "platform/headless/fake_icons.h"
#include "platform/text.h"
#include "support/app_fixture.h"

namespace test {

class ItemDialogsFixture : public AppFixture {
 public:
  // Makes the file (with its folders) on the fake disk.
  void MakeFile(const std::string& path) {
    Fakes.Files.MakeFolder(platform::ExtractFilePath(path));
    WriteHostFile(Fakes.Files.HostPath(path), "x");
  }
  // An item whose file exists, named as a drop would name it.
  pelorin::ItemRecord Item(const std::string& path) {
    MakeFile(path);
    pelorin::ItemRecord item;
    item.FileName = platform::ExtractFileName(path);
    item.FilePath = path;
    item.FileHint = "hint of " + item.FileName;
    item.FileFolder = platform::ExtractFilePath(path);
    item.IconPath = path;
    return item;
  }
  // Saved state with `count` items in panel 0, then start and show.
  void StartWithItems(int count, pelorin::LauncherState state = DefaultState()) {
    for (int i = 0; i < count; ++i) state.AppendItem(0, Item("C:\\Tools\\tool" + std::to_string(i) + ".exe"));
    WriteDataFiles(state);
    StartAndShow();
  }

  pelorin::TForm2& Add() { return App.AddItemDialog(); }
  pelorin::TForm11& Change() { return App.DataChangeDialog(); }
  pelorin::TFrmIconChenge& Chooser() { return App.IconChooser(); }
  pelorin::LauncherState& State() { return App.State(); }
  std::string ItemFile() { return DataFile(pelorin::kItemFileName); }
  // How many saves ran: each writes its commit marker once.
  int Saves() {
    return static_cast<int>(Fakes.Log.CallsStartingWith("WriteWholeFile C:\\Pelorin\\save.commit").size());
  }
};

// The ten CR LF lines of an item in svf.itd, written out by hand.
inline std::string ItemLines(std::initializer_list<std::string> lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\r\n";
  return bytes;
}

// What a live fake icon shows ("" for none).
inline std::string Shows(const platform::Icon& icon) { return platform::headless::FakeIconDescription(icon); }

}  // namespace test
