#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12: compilers,
# test libraries, Wine (32-bit, and 64-bit for machines that cannot run
# 32-bit code), a virtual display and the locales the tests run Wine under
# (ja_JP, en_US and ko_KR, UTF-8).
# Safe to run again: it only installs what is missing.
#
# 32-bit Wine (wine32:i386) is optional: some days the i386 package index is
# out of step with amd64's and it cannot be installed. The scripts then build
# and test the 64-bit exe under wine64 (tools/wine-arch.sh); the release
# package is still the 32-bit exe, whose compiler does not need wine32.
set -euo pipefail

required=(
  cmake ninja-build g++ libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine wine64
  xvfb xauth xdotool x11-utils imagemagick fonts-ipafont-gothic fonts-wine locales
)
optional=(wine32:i386)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

apt_install() {
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$@"
}

missing_of() {
  local p
  for p in "$@"; do installed "$p" || echo "$p"; done
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  echo "install-deps: adding the i386 architecture (32-bit Wine)"
  as_root dpkg --add-architecture i386
fi

mapfile -t missing < <(missing_of "${required[@]}")
mapfile -t missing_optional < <(missing_of "${optional[@]}")
if [ ${#missing[@]} -gt 0 ] || [ ${#missing_optional[@]} -gt 0 ]; then
  # An index that fails to download (a mirror in mid-sync) is no reason to
  # stop: apt keeps the older lists, and the installs below tell whether
  # anything really needed is out of reach.
  if ! as_root apt-get update -q; then
    echo "install-deps: some package indexes could not be refreshed; going on with the lists there are"
  fi
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}"
  if ! apt_install "${missing[@]}"; then
    # Find out which of them cannot be had, one at a time.
    failed=()
    for p in "${missing[@]}"; do
      installed "$p" || apt_install "$p" || failed+=("$p")
    done
    if [ ${#failed[@]} -gt 0 ]; then
      echo "install-deps: cannot install the required package(s): ${failed[*]}" >&2
      exit 1
    fi
  fi
fi

for p in "${missing_optional[@]}"; do
  if ! apt_install "$p" >/dev/null 2>&1; then
    echo "install-deps: $p cannot be installed now; the tests run the 64-bit build under wine64"
  fi
done

# Wine takes each process's ANSI code page from its locale: the end-to-end
# tests run under Japanese (932), English (1252) and Korean (949).
for locale in ja_JP en_US ko_KR; do
  if ! locale -a 2>/dev/null | grep -qix "$locale.utf8"; then
    echo "install-deps: generating the $locale.UTF-8 locale"
    as_root sed -i "s/^# *$locale.UTF-8 UTF-8/$locale.UTF-8 UTF-8/" /etc/locale.gen
    grep -q "^$locale.UTF-8 UTF-8" /etc/locale.gen || echo "$locale.UTF-8 UTF-8" | as_root tee -a /etc/locale.gen >/dev/null
    missing_locales=1
  fi
done
if [ -n "${missing_locales:-}" ]; then as_root locale-gen; fi
