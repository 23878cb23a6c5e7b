#!/usr/bin/env bash
# Creates or updates the Wine prefix named by WINEPREFIX the way Pelorin is
# run and tested: a fresh prefix from `wineboot -i`, Wine drawing window
# frames itself (X11 Driver Managed=N, needed without a window manager),
# the .txt and .exe associations (programs show their own icons), and the
# Windows Japanese fonts replaced by the IPA fonts of the same kind
# (proportional for proportional), so texts take the room they take on
# Windows; no debugger is started for a program that crashes (it would
# hold the program frozen), so a crash ends the program at once. A stamp
# file marks a finished prefix, so running this again costs nothing.
#
# Wine's own interface font (Tahoma: menus, message boxes, captions) has no
# Japanese glyphs; under a code page other than 932 nothing else supplies
# them, so it is linked to IPA P Gothic. Wine writes the font links again
# for the code page of each process that starts under another code page
# than the last one, so these links are written again whenever the caller's
# LANG differs from the one they were last written under (a second stamp);
# that costs nothing when it has not changed. Call this before the programs
# of each code page.
#
# The caller sets DISPLAY, HOME (a scratch folder), LANG (Wine gives each
# program the code page of its LANG: ja_JP.UTF-8 932, en_US.UTF-8 1252,
# ko_KR.UTF-8 949), no LC_ALL or LC_CTYPE (they would win over LANG), and
# WINEDEBUG; tools/run.sh and the end-to-end harness both use it.
set -euo pipefail

: "${WINEPREFIX:?WINEPREFIX must name the prefix}"
: "${LANG:?LANG must name the locale the programs run under}"
stamp_text='pelorin prefix 4: wineboot, Managed=N, .txt=txtfile, .exe=exefile, IPA font replacements, no AeDebug'
stamp="$WINEPREFIX/pelorin-prefix.stamp"
links_stamp="$WINEPREFIX/pelorin-font-links.stamp"

# No Mono/Gecko installer dialogs, no menu entries written into $HOME.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=;mshtml="

if [ ! -f "$stamp" ] || [ "$(cat "$stamp")" != "$stamp_text" ]; then
  rm -f "$links_stamp"
  mkdir -p "$(dirname "$WINEPREFIX")"
  wineboot -i
  wineserver -w
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
  wine reg add 'HKCR\.txt' /ve /d txtfile /f >/dev/null
  wine reg add 'HKCR\.exe' /ve /d exefile /f >/dev/null
  wine reg add 'HKCR\exefile\DefaultIcon' /ve /d '%1' /f >/dev/null
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ Ｐゴシック' /d 'IPAPGothic' /f >/dev/null
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'ＭＳ ゴシック' /d 'IPAGothic' /f >/dev/null
  wine reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /f >/dev/null 2>&1 || true
  wineserver -w
  printf '%s\n' "$stamp_text" >"$stamp"
fi

# reg prints its errors on stdout: shown when it fails. It failed once in a
# test run, right after a change of code page, for a reason not seen since;
# a second try then.
link_to_japanese_font() {
  local output
  for _ in 1 2; do
    if output=$(wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$1" \
      /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' /f 2>&1); then
      return 0
    fi
  done
  echo "wine-prefix: linking $1 to IPA P Gothic failed: $output" >&2
  return 1
}

if [ ! -f "$links_stamp" ] || [ "$(cat "$links_stamp")" != "$LANG" ]; then
  # The first of these programs, under the caller's code page, lets Wine
  # write its own links first.
  for face in 'Tahoma' 'Microsoft Sans Serif' 'MS Sans Serif'; do
    link_to_japanese_font "$face"
  done
  printf '%s\n' "$LANG" >"$links_stamp"
fi
