#pragma once
// Data files and the fixture of the data-file tests: the data folder
// C:\Pelorin\ in a fresh host folder, a recording file system and message boxes.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "core/data_files.h"
#include "platform/headless/fake_file_system.h"
#include "support/recording_message_boxes.h"
#include "support/temp_folder.h"

namespace pelorin::test_data {

// Each text as one CR LF line.
inline std::string Lines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\r\n";
  return bytes;
}

inline std::string Repeat(const std::string& bytes, int times) {
  std::string result;
  for (int i = 0; i < times; ++i) result += bytes;
  return result;
}

// Ten record lines of one item.
inline std::string Record(const std::string& name, const std::string& isFolder = "FALSE", const std::string& icon = "0") {
  return Lines({name, "C:\\Tools\\" + name + ".exe", "hint " + name, "C:\\Tools", "/x", "", "1", isFolder,
                "C:\\Tools\\" + name + ".exe", icon});
}

// A full set of valid files: panels A (2 items), B (0), 表示 (3).
inline const std::string kPanels = Lines({"3", "A", "2", "B", "0", "表示", "3"}) + Repeat(Lines({"", "0"}), 7);
inline const std::string kItems = Record("one") + Record("two", "TRUE", "-3") + Record("ソフト") + Record("four") +
                           Record("five", "FALSE", "2147483647");
inline const std::string kOptions =
    Lines({"6", "2", "12", "FALSE", "2", "ＭＳ ゴシック", "255", "-2147483633", "16777215", "-2147483642", "FALSE",
           "TRUE", "FALSE", "TRUE", "8", "TRUE", "FALSE", "TRUE", "Ctrl+Alt+K", "", "Shift+F12", "", "", "^Q",
           "-20", "1500", "0", "-2147483648", "TRUE", "FALSE", "185"});

inline const std::set<std::string> kThreeFiles = {"opt.dat", "svf.itd", "svp.pld"};

class DataFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { files.MakeFolder(folder); }

  std::filesystem::path Host(const std::string& name) const { return files.HostPath(folder + name); }
  std::string Contents(const std::string& name) const { return test::ReadHostFile(Host(name)); }
  void Put(const std::string& name, const std::string& bytes) const { test::WriteHostFile(Host(name), bytes); }
  void PutAll(const std::string& panels, const std::string& items, const std::string& options) const {
    Put("svp.pld", panels);
    Put("svf.itd", items);
    Put("opt.dat", options);
  }
  // Names of the host files in the data folder.
  std::set<std::string> FolderContents() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Host(""))) names.insert(entry.path().filename());
    return names;
  }
  std::vector<std::string> Reads() const { return files.Log().CallsStartingWith("ReadWholeFile"); }

  std::string folder = "C:\\Pelorin\\";
  test::TempFolder temp;
  platform::headless::FakeFileSystem files{temp.Path(), "C:\\Pelorin\\Pelorin.exe"};
  test::RecordingMessageBoxes messages;
  LauncherState state;
};

}  // namespace pelorin::test_data
