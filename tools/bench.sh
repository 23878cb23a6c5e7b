#!/usr/bin/env bash
# Builds the benchmarks and runs them:
#   1. bench/pelorin_bench (Google Benchmark) on a Release host build
#      without sanitizers, build/bench;
#   2. the start-up of Pelorin.exe under Wine to the end of its main
#      window's first show, with no data files, an empty and a full state,
#      against minimal_window.exe built the same way (Release, MinGW); it
#      prints the medians and their ratios to the baseline, the private
#      memory of each once its window shows, and Pelorin's start-up trace;
#      then the median time of a panel switch in the full state, as the
#      program's trace times its panel refreshes;
#   3. the size of the release package and of the exe in it (32-bit).
#
# tools/bench.sh [RUNS [--old-exe PATH]]
#   RUNS: timed starts of each program (default 20)
#   --old-exe: a second (stripped) Pelorin.exe, say the build before a
#   change, measured in the same rounds; its medians are set beside this
#   build's.
#
# The Wine benchmark uses its own prefix (build/bench/wine-prefix, created
# on the first run, about 20 s), display and wineserver, and ends them.
# PELORIN_BUILD_ROOT (default: build) moves every folder this script uses.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
runs=${1:-20}
build_root=$(realpath -m "${PELORIN_BUILD_ROOT:-build}")
bench_build="$build_root/bench"

tools/install-deps.sh
source tools/wine-arch.sh

echo "== Windows build (Pelorin.exe, minimal_window.exe)"
cmake -S . -B "$win_build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$win_toolchain" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$win_build"

echo "== Host build for benchmarks (Release, no sanitizers)"
cmake -S . -B "$bench_build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPELORIN_SANITIZE=OFF \
  -DPELORIN_WIN_BUILD_DIR="$win_build" >/dev/null
cmake --build "$bench_build" --target pelorin_bench startup_under_wine

echo "== Benchmarks of the logic (Google Benchmark)"
"$bench_build/bench/pelorin_bench"

echo
echo "== Start-up under Wine"
"$bench_build/bench/startup_under_wine" "$runs" "${@:2}"

echo
echo "== Size of the release package (32-bit)"
cmake -S . -B "$build_root/win" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build_root/win" --target release >/dev/null
zip="$build_root/win/release/Pelorin-1.52.zip"
printf '%-50s %10s bytes\n' "Pelorin.exe (i686, stripped, in the zip)" "$(stat -c %s "$build_root/win/app/release/Pelorin.exe")"
printf '%-50s %10s bytes\n' "Pelorin-1.52.zip" "$(stat -c %s "$zip")"
echo "(where the exe's bytes come from: $build_root/win/app/Pelorin.map)"
