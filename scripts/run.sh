#!/usr/bin/env bash
# Builds what is needed and starts Ticora from the distribution folder under Wine.
# With a display it runs there; without one it runs under Xvfb over a desktop
# picture, saves a screenshot after a few seconds and prints the PNG's path.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" >/dev/null
prefix=$root/build/run-prefix
# A prefix with the X11 driver (copied from the machine's prefix cache when the
# tests have filled it, which takes seconds instead of many minutes).
"$root/scripts/make-prefix.sh" "$prefix" x11
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
# A coloured desktop picture and a compositor, as on a real desktop.
source "$root/scripts/x-desktop.sh"
x_desktop "$root/build/run-desktop" 1024 768
LD_PRELOAD=$X_DESKTOP_PRELOAD wine Ticora.exe </dev/null >/dev/null 2>&1 &
# Wait for the clock's window: where 32-bit programs run under the user-mode
# emulator, Wine needs minutes to bring up its services and the clock.
deadline=$(( $(date +%s) + ${TICORA_SHOT_TIMEOUT:-900} ))
until xdotool search --onlyvisible --classname 'ticora.exe' >/dev/null 2>&1; do
  [ "$(date +%s)" -ge "$deadline" ] && { echo "run.sh: no clock window appeared" >&2; break; }
  sleep 3
done
sleep "${TICORA_SHOT_DELAY:-3}"
shot=$root/build/ticora-screenshot.png
xwd -root -silent | convert xwd:- "$shot"
echo "screenshot: $shot"
wineserver -k || true
