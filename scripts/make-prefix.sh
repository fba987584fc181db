#!/usr/bin/env bash
# Creates a private 32-bit Wine prefix (once) at $1, with the null graphics driver
# unless $2 is "x11". Concurrent callers wait for the first one.
set -euo pipefail
prefix=$1
driver=${2:-null}
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
[ -f "$prefix/.ready" ] && exit 0
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
unset DISPLAY || true
wineboot -i >/dev/null 2>&1 || true
if [ "$driver" = null ]; then
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
fi
# Chinese texts in captions and dialogs: map the usual CJK face names to the installed font.
for face in "SimSun" "宋体" "NSimSun" "新宋体" "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma"; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "WenQuanYi Micro Hei" /f >/dev/null 2>&1
done
wineserver -w
touch "$prefix/.ready"
