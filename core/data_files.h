#pragma once
// The three data files beside the executable: svf.itd (items), svp.pld
// (panels) and opt.dat (options and window positions). Line-oriented, CR LF,
// texts as Shift-JIS bytes. The Read*/Format* functions are the pure part
// (bytes <-> state); LoadAll and SaveAll add the files and the error report.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/state.h"
#include "platform/file_system.h"
#include "platform/message_boxes.h"

namespace pelorin {

inline constexpr char kItemFileName[] = "svf.itd";
inline constexpr char kPanelFileName[] = "svp.pld";
inline constexpr char kOptionFileName[] = "opt.dat";
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

// Report texts: "'abc' は有効な整数値ではありません。" and the file and line;
// the system's message for an input/output error and the file.
std::string ConversionErrorText(const ConversionError& error, const std::string& path);
std::string FileErrorText(const std::string& message, const std::string& path);

// The executable's folder with its last separator ("C:\ツール\表示\").
std::string DataFolder(platform::FileSystem& files);

enum class LoadResult {
  Loaded,    // all three files read
  FirstRun,  // svp.pld could not be opened; nothing was read, FirstRun is set
  Failed,    // stopped at an error, which was reported; the values read so far stay
};

// Fills state from the three files. Unless it is a first run, the panel
// tables and options are afterwards in the ranges the windows rely on.
LoadResult LoadAll(LauncherState& state, platform::FileSystem& files, platform::MessageBoxes& messages);

// Rewrites the three files, or leaves all three as they were and reports why.
bool SaveAll(const LauncherState& state, const WindowPositions& positions, platform::FileSystem& files,
             platform::MessageBoxes& messages);

}  // namespace pelorin
