#!/usr/bin/env bash
# Creates a private 32-bit Wine prefix (once) at $1, with the null graphics driver
# unless $2 is "x11", reporting the Windows version $3 when given (Wine's names:
# win98, nt40, win2k, winxp, win10 ...) and set to the DPI $4 when given (96 is
# 100 %, 144 150 %, 192 200 %). Concurrent callers wait for the first one.
# Settings go straight into the prefix's registry file while no server runs:
# under emulation every Wine process start costs about a CPU-minute.
set -euo pipefail
prefix=$1
driver=${2:-null}
version=${3:-}
dpi=${4:-}
# The version Wine reports, as winecfg sets it for the whole prefix.
set_version() {
  [ -n "$version" ] || return 0
  printf '\n[Software\\\\Wine]\n"Version"="%s"\n' "$version" >> "$prefix/user.reg"
}
# The DPI: the user's setting, which the system's DPI follows, and the fonts'
# (Wine's set-up writes those into the machine's current hardware profile and
# into its own fonts key).
set_dpi() {
  [ -n "$dpi" ] || return 0
  local hex
  hex=$(printf '%08x' "$dpi")
  sed -i "s/^\"LogPixels\"=dword:[0-9a-f]*/\"LogPixels\"=dword:$hex/" "$prefix/system.reg" "$prefix/user.reg"
  printf '\n[Control Panel\\\\Desktop]\n"LogPixels"=dword:%s\n' "$hex" >> "$prefix/user.reg"
}
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9
[ -f "$prefix/.ready" ] && exit 0
# Creating a prefix costs many minutes when 32-bit code runs under emulation,
# so a finished one is kept in a machine-wide cache and copied from there.
cache=${TICORA_WINE_CACHE:-/var/cache/ticora-build}/wineprefix-$(wine --version 2>/dev/null | tr -c 'A-Za-z0-9.-' _)
if [ -f "$cache/.ready" ]; then
  rm -rf "$prefix"
  cp -a "$cache" "$prefix"
  sed -i "s/\"Graphics\"=\"[a-z0-9]*\"/\"Graphics\"=\"$driver\"/" "$prefix/user.reg"
  set_version
  set_dpi
  exit 0
fi
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=${TICORA_WINE_LANG:-zh_CN.UTF-8} LC_ALL=${TICORA_WINE_LANG:-zh_CN.UTF-8}
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
if [ -n "$version" ] || [ -n "$dpi" ]; then
  # The cache holds the prefix without a version or DPI of its own.
  set_version
  set_dpi
  exit 0
fi
if mkdir -p "$(dirname "$cache")" 2>/dev/null; then
  rm -rf "$cache.tmp"
  if cp -a "$prefix" "$cache.tmp"; then
    rm -rf "$cache" && mv "$cache.tmp" "$cache" || true
  fi
fi
