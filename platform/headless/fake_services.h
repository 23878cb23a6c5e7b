#pragma once
// Every recording fake in one bundle, sharing one call log, wired as the
// Services that the App and the windows use.

#include <filesystem>
#include <string>

#include "platform/headless/call_log.h"
#include "platform/headless/fake_dde.h"
#include "platform/headless/fake_file_system.h"
#include "platform/headless/fake_kernel16.h"
#include "platform/headless/fake_key_names.h"
#include "platform/headless/fake_shell.h"
#include "platform/headless/fake_shell_icons.h"
#include "platform/headless/fake_shell_links.h"
#include "platform/headless/fake_single_instance.h"
#include "platform/headless/fake_startup_trace.h"
#include "platform/headless/fake_system.h"
#include "platform/services.h"

namespace platform::headless {

class FakeServices {
 public:
  // Windows paths "C:\..." live in hostRoot/C/...
  explicit FakeServices(const std::filesystem::path& hostRoot, std::string executablePath = "C:\\Pelorin\\Pelorin.exe")
      : Files(hostRoot, std::move(executablePath), &Log),
        Instance(Log),
        Shell(&Log),
        Icons(&Log),
        Links(&Log, &Files),
        Dde(&Log),
        System(&Log),
        Kernel16(&Log),
        Services{Files, Keys, Instance, Shell, Icons, Links, Dde, System, Locale, Kernel16, Trace} {}
  FakeServices(const FakeServices&) = delete;
  FakeServices& operator=(const FakeServices&) = delete;

  CallLog Log;
  FakeFileSystem Files;
  FakeKeyNames Keys;
  FakeSingleInstance Instance;
  FakeShell Shell;
  FakeIcons Icons;
  FakeShellLinks Links;
  FakeDde Dde;
  FakeSystem System;
  FakeLocale Locale;
  FakeKernel16 Kernel16;
  FakeStartupTrace Trace;
  platform::Services Services;
};

}  // namespace platform::headless
