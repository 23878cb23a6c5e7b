#pragma once
// Every platform service the system's logic uses, reached through one
// object. WinMain wires the real ones; tests wire the recording fakes.

namespace platform {

class Dde;
class FileSystem;
class Icons;
class Kernel16;
class KeyNames;
class Locale;
class Shell;
class ShellLinks;
class SingleInstance;
class StartupTrace;
class System;

struct Services {
  FileSystem& Files;
  KeyNames& Keys;
  SingleInstance& Instance;
  platform::Shell& Shell;
  platform::Icons& Icons;
  ShellLinks& Links;
  platform::Dde& Dde;
  platform::System& System;
  platform::Locale& Locale;
  platform::Kernel16& Kernel16;
  StartupTrace& Trace;
};

}  // namespace platform
