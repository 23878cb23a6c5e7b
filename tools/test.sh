#!/usr/bin/env bash
# Builds everything and runs every test: host unit tests (ASan/UBSan), the
# LoadAll fuzzer, the end-to-end tests of Pelorin.exe under Wine, and the
# check of the release package.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

tools/install-deps.sh
build_root="$root/build"
source tools/wine-arch.sh

echo "== Windows build (Pelorin.exe and the end-to-end helpers)"
cmake -S . -B "$win_build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$win_toolchain" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$win_build"

# The package is the 32-bit product on every machine, also where the tests
# run a 64-bit build.
echo "== Release package (32-bit Pelorin.exe and readme.txt)"
if [ "$win_build" != "$build_root/win" ]; then
  cmake -S . -B build/win -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build build/win --target release

echo "== Fuzzer build (clang, libFuzzer, ASan/UBSan)"
CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DPELORIN_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz

echo "== Host build (unit tests with ASan/UBSan, end-to-end driver, benchmarks)"
cmake -S . -B build/host -G Ninja -DPELORIN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug \
  -DPELORIN_WIN_BUILD_DIR="$win_build" -DPELORIN_FUZZ_BUILD_DIR="$root/build/fuzz" \
  -DPELORIN_RELEASE_ZIP="$root/build/win/release/Pelorin-1.52.zip" >/dev/null
cmake --build build/host

echo "== Tests"
ctest --test-dir build/host --output-on-failure -j "$(nproc)"
