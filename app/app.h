#pragma once
// The program: the launcher state, the platform it runs on, and the eleven
// windows, created in a fixed order at start-up and kept until the end.
// Windows reach each other and the state through the App they are given.
//
// The forms are objects from the start, but a form gets its platform windows
// (its own and its controls') only on first use, and its tooltip window when
// the pointer first comes over it. After
// start-up these exist: the main window, the control window when it is shown
// at start-up, and the tray form's hidden window when the tray icon or a hot
// key needs it (besides the application's own owner and timer windows). The
// item dialogs, the icon chooser, the options dialog, the panel manager, the
// name prompt, the countdown and the edge strip come with their first show.

#include <memory>
#include <string>
#include <string_view>

#include "core/data_files.h"
#include "core/edge_hiding.h"
#include "core/state.h"
#include "platform/services.h"
#include "platform/ui/application.h"
#include "platform/ui/edit.h"

namespace pelorin {

class TForm1;
class TForm2;
class TFrmIconChenge;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class TForm12;

inline constexpr char kInstanceMutexName[] = "Pelorin__Ver_1.52";
inline constexpr char kApplicationTitle[] = "Pelorin";
inline constexpr char kCannotRegisterText[] =
    "このファイルは登録できません。\n名前に使えない文字があるか、パスが長すぎます。";

inline constexpr char kCannotSaveText[] = "に保存できない文字が含まれています";

// path cut in the middle ("C:\a\...\z.txt") when it is too long to show in a
// message box whole; by characters.
std::string ShortenedForMessage(std::string_view path);

class App {
 public:
  App(ui::Application& ui, platform::Services& services);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  // Start-up up to the message loop: the single-instance guard, the title and
  // the windows in their order. False when another copy is running; then
  // nothing was created.
  bool Start();
  // Start-up, then the message loop until the main window closes. An error
  // that escapes start-up is reported, and the program ends with 1.
  int Run();

  LauncherState& State() { return state_; }
  EdgeHiding& Hiding() { return hiding_; }
  ui::Application& Ui() { return ui_; }
  platform::Services& Services() { return services_; }

  // LoadAll and SaveAll of the data files; a save takes the live positions
  // of the main and control windows. The first save after a failed load
  // keeps the files it could not fully read as backup copies.
  LoadResult LoadAll();
  bool SaveAll();

  // The program's error report: a message box with the text and an error
  // icon. It never throws.
  void ReportError(const char* text);
  // Tells the user that a file that came in (a drop, a browse) cannot be
  // registered: no path to it fits the code page and MAX_PATH. shownName is
  // its name as the code page shows it.
  void ReportCannotRegister(const std::string& shownName);
  // Whether the text typed into entry can be saved; when it holds a
  // character without a code page 932 form, the message names the entry
  // (entryName), the entry gets the focus, and the answer is false.
  bool CheckTextFits(ui::Edit& entry, std::string_view entryName);

  TForm1& MainWindow() { return *form1_; }
  TForm2& AddItemDialog() { return *form2_; }
  TFrmIconChenge& IconChooser() { return *iconChooser_; }
  TForm5& ControlWindow() { return *form5_; }
  TForm6& OptionsDialog() { return *form6_; }
  TForm7& TrayWindow() { return *form7_; }
  TForm8& PanelManager() { return *form8_; }
  TForm9& PanelNamePrompt() { return *form9_; }
  TForm10& ShutdownCountdown() { return *form10_; }
  TForm11& DataChangeDialog() { return *form11_; }
  TForm12& EdgeStrip() { return *form12_; }

 private:
  ui::Application& ui_;
  platform::Services& services_;
  LauncherState state_;
  EdgeHiding hiding_{state_};
  bool keepBackupsBeforeSave_ = false;

  std::unique_ptr<TForm1> form1_;
  std::unique_ptr<TForm2> form2_;
  std::unique_ptr<TFrmIconChenge> iconChooser_;
  std::unique_ptr<TForm5> form5_;
  std::unique_ptr<TForm6> form6_;
  std::unique_ptr<TForm7> form7_;
  std::unique_ptr<TForm8> form8_;
  std::unique_ptr<TForm9> form9_;
  std::unique_ptr<TForm10> form10_;
  std::unique_ptr<TForm11> form11_;
  std::unique_ptr<TForm12> form12_;
};

}  // namespace pelorin
