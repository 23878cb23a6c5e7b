#pragma once
// The shell: starting programs, documents and folders, its special folders,
// and the recycle bin.

#include <optional>
#include <string>

namespace ui {
class Form;
}

namespace platform {

// Show commands for a started program (SW_*).
inline constexpr int kShowNormal = 1;
inline constexpr int kShowMinimized = 2;
inline constexpr int kShowMaximized = 3;
inline constexpr int kShow = 5;
inline constexpr int kShowMinNoActive = 7;

// Special folders (CSIDL_*).
inline constexpr int kFolderPersonal = 5;
inline constexpr int kFolderStartup = 7;

class Shell {
 public:
  virtual ~Shell() = default;

  // Hands file to the shell. owner is the window that owns any message the
  // shell shows (nullptr: the application's window); an empty verb is the
  // file's default action; folder is the working folder, or none at all
  // (which differs from an empty text). A file or folder path too long for
  // the shell (an item stored whole by an older version) goes by its short
  // form. True when the shell started it.
  virtual bool Execute(ui::Form* owner, const std::string& verb, const std::string& file,
                       const std::string& parameters, const std::optional<std::string>& folder,
                       int showCommand) = 0;
  // The path of a special folder (by the incoming-path rule), or nothing when
  // the system cannot say or gives a path the program cannot keep.
  virtual std::optional<std::string> SpecialFolderPath(int folder) = 0;
  // Empties the recycle bin of every drive without asking the user.
  virtual void EmptyRecycleBin(ui::Form* owner) = 0;
};

}  // namespace platform
