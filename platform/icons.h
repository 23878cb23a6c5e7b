#pragma once
// Icons of files as the shell shows them, and icons stored inside files.
// Every icon comes back owned (empty when there is none). Method names steer
// clear of Win32 macros (ExtractIcon). A path too long for the shell (an
// item stored whole by an older version) is read by its short form.

#include <string>

#include "platform/icon.h"

namespace platform {

class Icons {
 public:
  virtual ~Icons() = default;

  // While one lives, each file icons come from is opened once, however many
  // icons are read from it (a panel's icons); nothing is kept past it, so a
  // file changed on disk shows its new icons at the next reading.
  class Reading {
   public:
    explicit Reading(Icons& icons) : icons_(icons) { icons_.BeginReading(); }
    ~Reading() { icons_.EndReading(); }
    Reading(const Reading&) = delete;
    Reading& operator=(const Reading&) = delete;

   private:
    Icons& icons_;
  };

  // The large icon the shell shows for path; empty when it has none.
  virtual Icon ShellIcon(const std::string& path) = 0;
  // The large icon at index inside path; empty when there is none.
  virtual Icon IconInFile(const std::string& path, int index) = 0;
  // How many icons path holds (0 for a file without icons or a missing file).
  virtual int IconCount(const std::string& path) = 0;
  // A copy with an owner of its own (previews handed from one window to another); empty for an empty icon.
  virtual Icon CopyOf(const Icon& icon) = 0;

 protected:
  // Readings may nest; the outermost one counts.
  virtual void BeginReading() = 0;
  virtual void EndReading() = 0;
};

}  // namespace platform
