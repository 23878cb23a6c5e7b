#include "core/data_files.h"

#include <limits>

#include "platform/text.h"

namespace pelorin {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
// An integer is taken from at most this many characters.
constexpr std::string_view::size_type kNumberMaxLength = 32;

bool IsBlankOrControl(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

// Optional sign, then decimal digits, within 32 bits.
bool ParseInteger(std::string_view text, std::int32_t& value) {
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  if (text.empty()) return false;
  std::int64_t magnitude = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    magnitude = magnitude * 10 + (c - '0');
    if (magnitude > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return false;
  }
  const std::int64_t signedValue = negative ? -magnitude : magnitude;
  if (signedValue > std::numeric_limits<std::int32_t>::max()) return false;
  value = static_cast<std::int32_t>(signedValue);
  return true;
}

bool EqualsIgnoringAsciiCase(std::string_view text, std::string_view word) {
  if (text.size() != word.size()) return false;
  for (std::string_view::size_type i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != word[i]) return false;
  }
  return true;
}

// TRUE or FALSE in any letter case, or a number (non-zero meaning TRUE).
bool ParseBoolean(std::string_view text, bool& value) {
  if (EqualsIgnoringAsciiCase(text, "TRUE")) {
    value = true;
    return true;
  }
  if (EqualsIgnoringAsciiCase(text, "FALSE")) {
    value = false;
    return true;
  }
  std::string_view digits = text;
  if (!digits.empty() && (digits[0] == '-' || digits[0] == '+')) digits.remove_prefix(1);
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) return false;
  value = digits.find_first_not_of('0') != std::string_view::npos;
  return true;
}

// Reads values line by line. Each Read stores into its target and returns
// true, or records the error and returns false, so that a chain of reads
// joined by && stops at the first bad line.
class LineReader {
 public:
  explicit LineReader(std::string_view bytes) : bytes_(bytes) {}

  // The line up to CR or LF; empty at the end of the file.
  bool Read(std::string& text) {
    const auto end = bytes_.find_first_of("\r\n", pos_);
    text.assign(bytes_.substr(pos_, end == std::string_view::npos ? std::string_view::npos : end - pos_));
    SkipRestOfLine();
    return true;
  }

  // Blanks and line ends before the number are passed over; the number ends
  // at a blank or control character, and the rest of its line is ignored.
  // 0 at the end of the file.
  bool Read(std::int32_t& value) {
    while (pos_ < bytes_.size() && IsBlankOrControl(bytes_[pos_])) {
      if (bytes_[pos_] == '\n') ++line_;
      ++pos_;
    }
    const auto start = pos_;
    while (pos_ < bytes_.size() && pos_ - start < kNumberMaxLength && !IsBlankOrControl(bytes_[pos_])) ++pos_;
    const std::string_view number = bytes_.substr(start, pos_ - start);
    const int numberLine = line_;
    SkipRestOfLine();
    if (number.empty()) {
      value = 0;
      return true;
    }
    if (ParseInteger(number, value)) return true;
    return Fail(ConversionError::ValueKind::Integer, number, numberLine);
  }

  // 8-bit values keep the low byte of the number.
  bool Read(std::uint8_t& value) {
    std::int32_t number = 0;
    if (!Read(number)) return false;
    value = static_cast<std::uint8_t>(number);
    return true;
  }

  bool Read(bool& value) {
    const int textLine = line_;
    std::string text;
    Read(text);
    if (ParseBoolean(text, value)) return true;
    return Fail(ConversionError::ValueKind::Boolean, text, textLine);
  }

  std::optional<ConversionError> Error() const { return error_; }

 private:
  // Past the end every value still takes a line of its own, so that a report
  // names the line where the value was expected.
  void SkipRestOfLine() {
    const auto lineFeed = bytes_.find('\n', pos_);
    pos_ = lineFeed == std::string_view::npos ? bytes_.size() : lineFeed + 1;
    ++line_;
  }

  bool Fail(ConversionError::ValueKind kind, std::string_view text, int line) {
    error_ = ConversionError{kind, std::string(text), line};
    return false;
  }

  std::string_view bytes_;
  std::string_view::size_type pos_ = 0;
  int line_ = 1;
  std::optional<ConversionError> error_;
};

class LineWriter {
 public:
  void Write(std::string_view text) { Line(text); }
  void Write(std::int32_t value) { Line(std::to_string(value)); }
  void Write(std::uint8_t value) { Line(std::to_string(value)); }
  void Write(bool value) { Line(value ? "TRUE" : "FALSE"); }
  std::string Take() { return std::move(bytes_); }

 private:
  void Line(std::string_view text) {
    bytes_.append(text);
    bytes_.append(kLineEnd);
  }

  std::string bytes_;
};

int SlotsInUse(const LauncherState& state, int panel) {
  return state.PanelItemCount[panel] < kSlotsPerPanel ? state.PanelItemCount[panel] : kSlotsPerPanel;
}

// The ten lines of an item record, in their order, for the reader and the
// writer alike; stops at the first line visit refuses.
template <class Item, class Visit>
bool VisitItemLines(Item& item, Visit visit) {
  return visit(item.FileName) && visit(item.FilePath) && visit(item.FileHint) && visit(item.FileFolder) &&
         visit(item.Notify) && visit(item.Sincro) && visit(item.FileExecuteSize) && visit(item.IsFolder) &&
         visit(item.IconPath) && visit(item.IconNumber);
}

// The 31 lines of opt.dat in their order; lines 25 to 28 are the positions given.
template <class State, class Position, class Visit>
bool VisitOptionLines(State& s, Position& mainTop, Position& mainLeft, Position& controlTop, Position& controlLeft,
                      Visit visit) {
  return visit(s.ShowLine) && visit(s.IcLine) && visit(s.MaxLine) && visit(s.PopFolder) && visit(s.CurrentPanel) &&
         visit(s.FontName) && visit(s.FontColor) && visit(s.ControlColor) && visit(s.MainColor) &&
         visit(s.ButtonShado) && visit(s.ClShow) && visit(s.MemSysShow) && visit(s.Time) && visit(s.wHide) &&
         visit(s.BarWidth) && visit(s.UD) && visit(s.TaskCheck) && visit(s.DDCheck) && visit(s.HotClp) &&
         visit(s.HotMyComputer) && visit(s.HotSearch) && visit(s.HotTrashBox) && visit(s.HotExit) &&
         visit(s.HotReBoot) && visit(mainTop) && visit(mainLeft) && visit(controlTop) && visit(controlLeft) &&
         visit(s.AlphaMain) && visit(s.AlphaControl) && visit(s.AlphaBar);
}

}  // namespace

WindowPositions StartPositions(const LauncherState& state) {
  return {state.MainTop, state.MainLeft, state.ControlTop, state.ControlLeft};
}

std::optional<ConversionError> ReadPanelFile(std::string_view bytes, LauncherState& state) {
  LineReader in(bytes);
  if (in.Read(state.PanelCount)) {
    for (int p = 0; p < kPanelMax; ++p) {
      if (!in.Read(state.PanelName[p]) || !in.Read(state.PanelItemCount[p])) break;
    }
  }
  return in.Error();
}

std::optional<ConversionError> ReadItemFile(std::string_view bytes, LauncherState& state) {
  LineReader in(bytes);
  for (int p = 0; p < kPanelMax; ++p) {
    for (int slot = 0; slot < SlotsInUse(state, p); ++slot) {
      if (!VisitItemLines(state.Item(p, slot), [&in](auto& value) { return in.Read(value); })) return in.Error();
    }
  }
  return std::nullopt;
}

std::optional<ConversionError> ReadOptionFile(std::string_view bytes, LauncherState& s) {
  LineReader in(bytes);
  VisitOptionLines(s, s.MainTop, s.MainLeft, s.ControlTop, s.ControlLeft,
                   [&in](auto& value) { return in.Read(value); });
  return in.Error();
}

std::string FormatPanelFile(const LauncherState& state) {
  LineWriter out;
  out.Write(state.PanelCount);
  for (int p = 0; p < kPanelMax; ++p) {
    out.Write(state.PanelName[p]);
    out.Write(state.PanelItemCount[p]);
  }
  return out.Take();
}

std::string FormatItemFile(const LauncherState& state) {
  LineWriter out;
  for (int p = 0; p < kPanelMax; ++p) {
    for (int slot = 0; slot < SlotsInUse(state, p); ++slot) {
      VisitItemLines(state.Item(p, slot), [&out](const auto& value) {
        out.Write(value);
        return true;
      });
    }
  }
  return out.Take();
}

std::string FormatOptionFile(const LauncherState& s, const WindowPositions& positions) {
  LineWriter out;
  VisitOptionLines(s, positions.MainTop, positions.MainLeft, positions.ControlTop, positions.ControlLeft,
                   [&out](const auto& value) {
                     out.Write(value);
                     return true;
                   });
  return out.Take();
}

std::string ConversionErrorText(const ConversionError& error, const std::string& path) {
  const char* what = error.Kind == ConversionError::ValueKind::Integer ? "整数値" : "ブール値";
  return "'" + error.Text + "' は有効な" + what + "ではありません。\r\n" + path + " の " + std::to_string(error.Line) +
         " 行目";
}

std::string DataFolder(platform::FileSystem& files) {
  return platform::ExtractFilePath(files.ExecutablePath());
}

FileSet DataFileSet(platform::FileSystem& files) {
  const std::string folder = DataFolder(files);
  return FileSet(files, {folder + kItemFileName, folder + kPanelFileName, folder + kOptionFileName},
                 folder + kCommitMarkerName);
}

LoadResult LoadAll(LauncherState& state, platform::FileSystem& files, platform::MessageBoxes& messages) {
  const std::string folder = DataFolder(files);
  FileSet dataFiles = DataFileSet(files);
  // A failure here is left to the next save to report; what could not be
  // moved into place is read from where it waits, so the set read is whole.
  dataFiles.FinishReplace();
  auto source = [&](const char* name) {
    const std::string path = folder + name;
    return dataFiles.StillWaiting(path) ? PendingPath(path) : path;
  };

  std::string bytes;
  if (!files.ReadWholeFile(source(kPanelFileName), bytes)) {
    state.FirstRun = true;
    return LoadResult::FirstRun;
  }

  // Reads one file into the state; the report text when it fails.
  using Reader = std::optional<ConversionError> (*)(std::string_view, LauncherState&);
  auto readFile = [&](const char* name, Reader reader, bool alreadyRead) -> std::optional<std::string> {
    const std::string path = source(name);
    if (!alreadyRead) {
      if (const auto result = files.ReadWholeFile(path, bytes); !result) return FileErrorText(result.message, path);
    }
    if (const auto error = reader(bytes, state)) return ConversionErrorText(*error, path);
    return std::nullopt;
  };

  auto failure = readFile(kPanelFileName, ReadPanelFile, true);
  // The counts bound the item reader and every later loop over a panel, so
  // they are brought into range before the items are read.
  state.ClampPanelTables();
  if (!failure) failure = readFile(kItemFileName, ReadItemFile, false);
  if (!failure) failure = readFile(kOptionFileName, ReadOptionFile, false);
  // Also after a failed load: options left at zero would divide by zero in
  // the grid layout, and a MaxLine of 0 would refuse every registration.
  state.ClampOptions();

  if (failure) {
    messages.ShowMessage(*failure, kErrorCaption, platform::MessageStyle::Error);
    return LoadResult::Failed;
  }
  return LoadResult::Loaded;
}

namespace {

bool Reported(const platform::FileResult& result, platform::MessageBoxes& messages) {
  if (!result) messages.ShowMessage(result.message, kErrorCaption, platform::MessageStyle::Error);
  return result.ok;
}

}  // namespace

bool SaveAll(const LauncherState& state, const WindowPositions& positions, platform::FileSystem& files,
             platform::MessageBoxes& messages) {
  FileSet dataFiles = DataFileSet(files);
  // A marker left by a stopped save must be gone before new files are written.
  auto result = dataFiles.FinishReplace();
  if (result) {
    result = dataFiles.Replace(
        {FormatItemFile(state), FormatPanelFile(state), FormatOptionFile(state, positions)});
  }
  return Reported(result, messages);
}

bool KeepBackups(platform::FileSystem& files, platform::MessageBoxes& messages) {
  FileSet dataFiles = DataFileSet(files);
  auto result = dataFiles.FinishReplace();
  if (result) result = dataFiles.CopyTo(kBackupSuffix);
  return Reported(result, messages);
}

}  // namespace pelorin
