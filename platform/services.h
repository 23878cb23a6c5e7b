#pragma once
// Every platform service the system's logic uses, reached through one
// object. WinMain wires the real ones; tests wire the recording fakes.

namespace platform {

class Dde;
class FileSystem;
class Icons;
class KeyNames;
class Shell;
class ShellLinks;
class SingleInstance;

struct Services {
  FileSystem& Files;
  KeyNames& Keys;
  SingleInstance& Instance;
  platform::Shell& Shell;
  platform::Icons& Icons;
  ShellLinks& Links;
  platform::Dde& Dde;
};

}  // namespace platform
