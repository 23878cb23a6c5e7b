#include "app/app.h"

#include "control/control_window.h"
#include "control/shutdown_countdown.h"
#include "itemdialogs/add_item_dialog.h"
#include "itemdialogs/data_change_dialog.h"
#include "itemdialogs/icon_chooser.h"
#include "mainwindow/edge_strip.h"
#include "mainwindow/main_window.h"
#include "options/options_dialog.h"
#include "panels/panel_manager.h"
#include "panels/panel_name_prompt.h"
#include "platform/single_instance.h"
#include "platform/startup_trace.h"
#include "platform/text.h"
#include "platform/ui/form.h"
#include "tray/tray_window.h"

namespace pelorin {

std::string ShortenedForMessage(std::string_view path) {
  // A path has no spaces to wrap at: a long one would make the box wider
  // than the screen. Its start and its end name it well enough.
  constexpr std::size_t kMaxBytes = 100, kHeadBytes = 40, kTailBytes = 50;
  if (path.size() <= kMaxBytes) return std::string(path);
  std::size_t head = 0, tail = 0;
  for (std::size_t pos = 0; pos < path.size();) {
    const std::size_t next = pos + (platform::IsLeadByte(static_cast<unsigned char>(path[pos])) ? 2 : 1);
    if (next <= kHeadBytes) head = next;
    if (tail == 0 && pos >= path.size() - kTailBytes) tail = pos;
    pos = next;
  }
  return std::string(path.substr(0, head)) + "..." + std::string(path.substr(tail));
}

App::App(ui::Application& ui, platform::Services& services) : ui_(ui), services_(services) {}

// Members go in reverse order: the windows in the reverse order of their creation.
App::~App() = default;

bool App::Start() {
  platform::StartupTrace& trace = services_.Trace;
  if (!services_.Instance.Claim(kInstanceMutexName)) return false;
  ui_.SetTitle(kApplicationTitle);
  // The control window and the tray stand in for a taskbar button, whatever
  // TaskCheck says; gone before any window is made, it is never made.
  ui_.HideTaskbarButton();
  trace.Mark("single instance");

  // The main window loads the data files while it is created, so every
  // later window is created against the loaded state.
  form1_ = std::make_unique<TForm1>(*this);
  form2_ = std::make_unique<TForm2>(*this);
  iconChooser_ = std::make_unique<TFrmIconChenge>(*this);
  form5_ = std::make_unique<TForm5>(*this);
  form6_ = std::make_unique<TForm6>(*this);
  form7_ = std::make_unique<TForm7>(*this);
  form8_ = std::make_unique<TForm8>(*this);
  form9_ = std::make_unique<TForm9>(*this);
  form10_ = std::make_unique<TForm10>(*this);
  form11_ = std::make_unique<TForm11>(*this);
  form12_ = std::make_unique<TForm12>(*this);
  trace.Mark("other windows");
  return true;
}

int App::Run() {
  try {
    if (!Start()) return 0;
    // The first show ends the start-up; the message loop follows.
    form1_->Show();
    services_.Trace.Mark("first show");
    services_.Trace.Finish();
    ui_.Run();
    return 0;
  } catch (const std::exception& error) {
    ReportError(error.what());
  } catch (...) {
    ReportError(platform::kUnexpectedErrorText);
  }
  return 1;
}

void App::ReportError(const char* text) {
  try {
    ui_.ShowMessage(text, kApplicationTitle, platform::MessageStyle::Error);
  } catch (...) {
    // Not even a message box could be shown (no memory): nothing is left to do.
  }
}

void App::ReportCannotRegister(const std::string& shownName) {
  const EdgeHiding::Pause pause(hiding_);
  ui_.ShowMessage(ShortenedForMessage(shownName) + "\n\n" + kCannotRegisterText, kApplicationTitle,
                  platform::MessageStyle::Error);
}

bool App::CheckTextFits(ui::Edit& entry, std::string_view entryName) {
  if (entry.TextFits()) return true;
  const EdgeHiding::Pause pause(hiding_);
  ui_.ShowMessage("「" + std::string(entryName) + "」" + kCannotSaveText, kApplicationTitle,
                  platform::MessageStyle::Error);
  entry.SetFocus();
  return false;
}

LoadResult App::LoadAll() {
  const LoadResult result = pelorin::LoadAll(state_, services_.Files, ui_);
  if (result == LoadResult::Failed) keepBackupsBeforeSave_ = true;
  return result;
}

bool App::SaveAll() {
  if (keepBackupsBeforeSave_) {
    if (!KeepBackups(services_.Files, ui_)) return false;
    keepBackupsBeforeSave_ = false;
  }
  WindowPositions positions = StartPositions(state_);
  if (form1_) {
    positions.MainTop = form1_->Top();
    positions.MainLeft = form1_->Left();
  }
  if (form5_) {
    positions.ControlTop = form5_->Top();
    positions.ControlLeft = form5_->Left();
  }
  return pelorin::SaveAll(state_, positions, services_.Files, ui_);
}

}  // namespace pelorin
