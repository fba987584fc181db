#!/usr/bin/env bash
# Creates a private 32-bit Wine prefix (once) at $1, with the null graphics driver
# unless $2 is "x11". Concurrent callers wait for the first one.
# Settings go straight into the prefix's registry file while no server runs:
# under emulation every Wine process start costs about a CPU-minute.
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
wineserver -w
# Chinese texts: map the usual CJK face names (SimSun, 宋体, NSimSun, 新宋体, the
# dialog fonts) to the installed CJK font.
{
  echo
  echo '[Software\\Wine\\Drivers]'
  echo "\"Graphics\"=\"$driver\""
  echo
  echo '[Software\\Wine\\Fonts\\Replacements]'
  for face in 'SimSun' '\x5b8b\x4f53' 'NSimSun' '\x65b0\x5b8b\x4f53' 'MS Shell Dlg' 'MS Shell Dlg 2' 'Tahoma'; do
    echo "\"$face\"=\"WenQuanYi Micro Hei\""
  done
} >> "$prefix/user.reg"
touch "$prefix/.ready"
