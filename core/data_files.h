#pragma once
// The three data files beside the executable: svf.itd (items), svp.pld
// (panels) and opt.dat (options and window positions). Line-oriented, CR LF,
// texts as Shift-JIS bytes. The Read*/Format* functions are the pure part
// (bytes <-> state); LoadAll and SaveAll add the files and the error report.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/file_set.h"
#include "core/state.h"
#include "platform/file_system.h"
#include "platform/message_boxes.h"

namespace pelorin {

inline constexpr char kItemFileName[] = "svf.itd";
inline constexpr char kPanelFileName[] = "svp.pld";
inline constexpr char kOptionFileName[] = "opt.dat";
// Present only while a save puts its files in place (see FileSet).
inline constexpr char kCommitMarkerName[] = "save.commit";
// Appended to the names of the copies kept after a failed load.
inline constexpr char kBackupSuffix[] = ".bak";
// Caption of the error report of a failed load or save.
inline constexpr char kErrorCaption[] = "Pelorin";

// Lines 25 to 28 of opt.dat: the live positions of the two windows.
struct WindowPositions {
  std::int32_t MainTop = 0;
  std::int32_t MainLeft = 0;
  std::int32_t ControlTop = 0;
  std::int32_t ControlLeft = 0;
};

// The positions the state was loaded with (for a save before the windows exist).
WindowPositions StartPositions(const LauncherState& state);

// A line whose text is not a valid integer or boolean.
struct ConversionError {
  enum class ValueKind { Integer, Boolean };
  ValueKind Kind = ValueKind::Integer;
  std::string Text;  // the text that failed, as read
  int Line = 0;      // counted from 1

  bool operator==(const ConversionError&) const = default;
};

// Each reader stores every value up to the failing line into state and stops there.
std::optional<ConversionError> ReadPanelFile(std::string_view bytes, LauncherState& state);
// Reads PanelItemCount[p] records per panel (never past slot 19).
std::optional<ConversionError> ReadItemFile(std::string_view bytes, LauncherState& state);
std::optional<ConversionError> ReadOptionFile(std::string_view bytes, LauncherState& state);

std::string FormatPanelFile(const LauncherState& state);
std::string FormatItemFile(const LauncherState& state);
std::string FormatOptionFile(const LauncherState& state, const WindowPositions& positions);

// Report text: "'abc' は有効な整数値ではありません。" and the file and line.
std::string ConversionErrorText(const ConversionError& error, const std::string& path);

// The executable's folder with its last separator ("C:\ツール\表示\").
std::string DataFolder(platform::FileSystem& files);

enum class LoadResult {
  Loaded,    // all three files read
  FirstRun,  // svp.pld could not be opened; nothing was read, FirstRun is set
  Failed,    // stopped at an error, which was reported; the values read so far stay
};

// The three files as one set, in the order a save writes them.
FileSet DataFileSet(platform::FileSystem& files);

// Fills state from the three files, after completing or discarding a save
// that was stopped. Unless it is a first run, the panel tables and options
// are afterwards in the ranges the windows rely on.
LoadResult LoadAll(LauncherState& state, platform::FileSystem& files, platform::MessageBoxes& messages);

// Rewrites the three files as one set and reports a failure. Stopped at any
// moment, it leaves the old set or the new one (completed by the next load
// or save), never a mix.
bool SaveAll(const LauncherState& state, const WindowPositions& positions, platform::FileSystem& files,
             platform::MessageBoxes& messages);

// Copies the three files as they are to their backup names (kBackupSuffix),
// so that a save after a failed load does not destroy what it could not read.
bool KeepBackups(platform::FileSystem& files, platform::MessageBoxes& messages);

}  // namespace pelorin
