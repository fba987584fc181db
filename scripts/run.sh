#!/usr/bin/env bash
# Builds what is needed and starts Ticora from the distribution folder under Wine.
# With a display it runs there; without one it runs under Xvfb, saves a screenshot
# after a few seconds and prints the PNG's path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" >/dev/null
prefix=$root/build/run-prefix
if [ ! -f "$prefix/.ready" ]; then
  # A copy of the test prefix with the X11 driver is much cheaper than a new prefix.
  if [ -f "$root/build/win/wineprefix/.ready" ]; then
    WINEPREFIX="$root/build/win/wineprefix" wineserver -k >/dev/null 2>&1 || true
    sleep 1
    rm -rf "$prefix"
    cp -a "$root/build/win/wineprefix" "$prefix"
    sed -i 's/"Graphics"="null"/"Graphics"="x11"/' "$prefix/user.reg"
  else
    "$root/scripts/make-prefix.sh" "$prefix" x11
  fi
fi
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
cd "$root/build/dist"
if [ -n "${DISPLAY:-}" ]; then
  exec wine Ticora.exe
fi
num=77
Xvfb :$num -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=:$num
sleep 1
wine Ticora.exe &
# Where 32-bit programs run under the user-mode emulator, Wine needs minutes
# to bring up its services and the clock.
delay=8
[ -e /proc/sys/fs/binfmt_misc/qemu-i386 ] && ! grep -q disabled /proc/sys/fs/binfmt_misc/qemu-i386 && delay=420
sleep "${TICORA_SHOT_DELAY:-$delay}"
shot=$root/build/ticora-screenshot.png
xwd -root -silent | convert xwd:- "$shot"
echo "screenshot: $shot"
wineserver -k || true
