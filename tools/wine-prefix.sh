#!/usr/bin/env bash
# Creates or updates the Wine prefix named by WINEPREFIX the way Pelorin is
# run and tested: a fresh prefix from `wineboot -i`, Wine drawing window
# frames itself (X11 Driver Managed=N, needed without a window manager),
# the .txt and .exe associations (programs show their own icons), and the
# Windows Japanese fonts replaced by the IPA fonts of the same kind
# (proportional for proportional), so texts take the room they take on
# Windows; no debugger is started for a program that crashes (it would
# hold the program frozen), so a crash ends the program at once. A stamp
# file marks a finished prefix, so running this again costs nothing. The caller sets DISPLAY, HOME (a scratch folder),
# LANG=ja_JP.UTF-8 and WINEDEBUG; tools/run.sh and the end-to-end harness
# both use it.
set -euo pipefail

: "${WINEPREFIX:?WINEPREFIX must name the prefix}"
stamp_text='pelorin prefix 4: wineboot, Managed=N, .txt=txtfile, .exe=exefile, IPA font replacements, no AeDebug'
stamp="$WINEPREFIX/pelorin-prefix.stamp"

if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$stamp_text" ]; then
  exit 0
fi

# No Mono/Gecko installer dialogs, no menu entries written into $HOME.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=;mshtml="
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
