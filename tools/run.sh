#!/usr/bin/env bash
# Builds Pelorin.exe and runs it under Wine.
#
# The exe is staged in build/run/ (its data files stay there between runs)
# and runs in the Wine prefix build/run-prefix (Wine draws the window
# frames, Japanese fonts). It runs under the caller's LANG, which gives
# Wine's code page and its own language (en_US.UTF-8: 1252, ko_KR.UTF-8:
# 949); without one, ja_JP.UTF-8 (932). Pelorin shows and stores the same
# under each. With a DISPLAY it runs in the foreground. Without one it
# starts a virtual display (Xvfb), waits until the main window "Pelorin"
# shows, saves build/run/screenshot.png and keeps running until the program
# ends or Ctrl-C.
#
# PELORIN_BUILD_ROOT (default: build) moves every folder this script uses.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build_root=$(realpath -m "${PELORIN_BUILD_ROOT:-build}")
run_dir="$build_root/run"

tools/install-deps.sh
source tools/wine-arch.sh

echo "== Windows build"
cmake -S . -B "$win_build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$win_toolchain" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$win_build"

exe=$(find "$win_build/app" "$win_build" -maxdepth 1 -name Pelorin.exe -print -quit 2>/dev/null || true)
[ -n "$exe" ] || { echo "run: Pelorin.exe was not built in $win_build" >&2; exit 1; }
probe="$win_build/tests/e2e/helpers/e2e_probe.exe"
mkdir -p "$run_dir" "$build_root/run-home"
cp "$exe" "$run_dir/Pelorin.exe"

export WINEPREFIX="$build_root/run-prefix"
export HOME="$build_root/run-home"  # the prefix links Desktop, Documents, the trash... to $HOME
export LANG="${LANG:-ja_JP.UTF-8}"
# Wine takes the code page from LC_ALL or LC_CTYPE before LANG.
unset LC_ALL LC_CTYPE
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d"

if [ -n "${DISPLAY:-}" ]; then
  echo "== Wine prefix $WINEPREFIX"
  tools/wine-prefix.sh
  echo "== Running $run_dir/Pelorin.exe on $DISPLAY"
  cd "$run_dir"
  exec wine "$run_dir/Pelorin.exe"
fi

xvfb_pid=""
app_pid=""
# Closes the main window as its close box does, so that Pelorin saves its
# data files; waits up to 10 s for it to end.
close_pelorin() {
  local hwnd
  hwnd=$(wine "$probe" find-window --title Pelorin --class PelorinForm 2>/dev/null | tr -d '\r' | sed -n 's/^hwnd=//p' | head -n1)
  [ -n "$hwnd" ] || return 0
  wine "$probe" close --hwnd "$hwnd" >/dev/null 2>&1 || return 0
  local deadline=$((SECONDS + 10))
  while kill -0 "$app_pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.1; done
}

cleanup() {
  trap - EXIT INT TERM
  if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then close_pelorin; fi
  if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then kill "$app_pid" 2>/dev/null || true; fi
  wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT
trap 'echo; echo "run: interrupted, stopping"; exit 130' INT TERM

# Xvfb picks a free display number itself and reports it once it is ready.
display_file="$run_dir/xvfb.display"
: >"$display_file"
# Xvfb and Pelorin get process groups of their own: Ctrl-C reaches only this
# script, which then closes Pelorin properly (it saves) before ending Xvfb.
setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >"$run_dir/xvfb.log" 2>&1 &
xvfb_pid=$!
deadline=$((SECONDS + 15))
until [ -s "$display_file" ] && grep -q . "$display_file"; do
  kill -0 "$xvfb_pid" 2>/dev/null || { echo "run: Xvfb failed, see $run_dir/xvfb.log" >&2; exit 1; }
  [ "$SECONDS" -lt "$deadline" ] || { echo "run: Xvfb did not come up" >&2; exit 1; }
  sleep 0.05
done
export DISPLAY=":$(head -n1 "$display_file")"
echo "== No DISPLAY: started a virtual display $DISPLAY (Xvfb, pid $xvfb_pid)"

echo "== Wine prefix $WINEPREFIX"
tools/wine-prefix.sh

echo "== Running $run_dir/Pelorin.exe"
(cd "$run_dir" && exec setsid wine "$run_dir/Pelorin.exe") &
app_pid=$!

# The probe waits inside Wine for up to a second per call; between calls
# the loop checks that Pelorin still runs.
shown=""
deadline=$((SECONDS + 60))
while kill -0 "$app_pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do
  if wine "$probe" find-window --title Pelorin --wait-ms 1000 >/dev/null 2>&1; then
    shown=1
    break
  fi
done

if [ -n "$shown" ]; then
  import -display "$DISPLAY" -window root "$run_dir/screenshot.png"
  echo "== The main window shows; screenshot: $run_dir/screenshot.png"
  echo "== Running until Pelorin ends (Ctrl-C stops it)"
elif kill -0 "$app_pid" 2>/dev/null; then
  echo "run: no window \"Pelorin\" within 60 s; still running until it ends (Ctrl-C stops it)" >&2
else
  echo "run: Pelorin.exe ended before its window showed" >&2
fi

set +e
wait "$app_pid"
status=$?
set -e
app_pid=""
echo "== Pelorin.exe ended with status $status"
exit "$status"
