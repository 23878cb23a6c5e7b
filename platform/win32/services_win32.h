#pragma once
// The real platform services, wired as the Services that the App uses.

#include <windows.h>

#include "platform/services.h"
#include "platform/ui/application.h"
#include "platform/ui/form.h"
#include "platform/win32/dde_win32.h"
#include "platform/win32/file_system_win32.h"
#include "platform/win32/kernel16_win32.h"
#include "platform/win32/key_names_win32.h"
#include "platform/win32/locale_win32.h"
#include "platform/win32/shell_icons_win32.h"
#include "platform/win32/shell_links_win32.h"
#include "platform/win32/shell_win32.h"
#include "platform/win32/single_instance_win32.h"
#include "platform/win32/system_win32.h"
#include "platform/win32/ui_windows.h"

namespace platform::win32 {

class ServicesWin32 {
 public:
  ServicesWin32(ui::Application& app, StartupTrace& trace)
      : Shell([&app](ui::Form* owner) {
          return owner != nullptr ? ui::win32::FormHandle(*owner) : ui::win32::ApplicationWindow(app);
        }),
        Services{Files, Keys, Instance, Shell, Icons, Links, Dde, System, Locale, Kernel16, trace} {}
  ServicesWin32(const ServicesWin32&) = delete;
  ServicesWin32& operator=(const ServicesWin32&) = delete;

  FileSystemWin32 Files;
  KeyNamesWin32 Keys;
  SingleInstanceWin32 Instance;
  ShellWin32 Shell;
  IconsWin32 Icons;
  ShellLinksWin32 Links;
  DdeWin32 Dde;
  SystemWin32 System;
  LocaleWin32 Locale;
  Kernel16Win32 Kernel16;
  platform::Services Services;
};

}  // namespace platform::win32
