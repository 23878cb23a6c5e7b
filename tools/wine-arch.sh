# Sourced (after tools/install-deps.sh) by the scripts that build
# Pelorin.exe and run it under Wine; $build_root must be set.
#
# Pelorin is a 32-bit program. Some machines run a kernel that cannot
# execute 32-bit code (Wine's 32-bit loader fails with "Exec format
# error"). There the same sources are built for 64-bit Windows and run by
# wine64 in a 64-bit prefix, so the real exe is still run and tested.
#
# Sets win_arch (i686 or x86_64), win_toolchain and win_build; for 64-bit
# it puts shims first in PATH, because Debian's wine wrappers always pick
# the 32-bit loader when it is installed.
if /usr/lib/wine/wine --version >/dev/null 2>&1 || [ ! -x /usr/lib/wine/wine64 ]; then
  win_arch=i686
  win_build="$build_root/win"
else
  win_arch=x86_64
  win_build="$build_root/win-x86_64"
  wine_shims="$build_root/wine64-shims"
  mkdir -p "$wine_shims"
  for shim in wine wine-stable; do
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$wine_shims/$shim"
    chmod +x "$wine_shims/$shim"
  done
  export PATH="$wine_shims:$PATH" WINEARCH=win64
  echo "== This machine cannot run 32-bit code: Pelorin.exe is built for 64-bit Windows and run by wine64"
fi
win_toolchain="cmake/mingw-$win_arch.cmake"
