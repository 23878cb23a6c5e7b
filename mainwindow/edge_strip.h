#pragma once

#include <string>
#include <vector>

#include "platform/ui/form.h"
#include "platform/ui/timer.h"

namespace pelorin {

class App;

// The thin strip left at a screen edge while the main window is hidden there:
// touching it, or dropping files on it, brings the main window back.
class TForm12 : public ui::Form {
 public:
  explicit TForm12(App& app);

  void FormShow();
  void Timer1Timer();
  // The pointer touches the strip: the windows come back flush with its edge.
  void FormMouseMove();
  // Files dropped on the strip: the windows come back where they were, and
  // the main window registers the names.
  void WMDropFiles(const std::vector<platform::IncomingPath>& names);

  // Keeps the strip above all other windows while it shows.
  ui::Timer Timer1;
  // The strip is showing and keeps itself above all other windows.
  bool StripActive = false;

 private:
  // Hides the strip and shows the main window where it now stands, in front.
  void ReturnMainWindow();

  App& app_;
};

}  // namespace pelorin
