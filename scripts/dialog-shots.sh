#!/usr/bin/env bash
# Visual check of the dialogs: starts Ticora under Xvfb in a copy of the
# distribution with a few sample reminders, opens each dialog through its
# menu command and saves a screenshot of it in build/shots/dialogs/:
#   clock_settings.png   the clock settings with the reminder list
#   reminder_editor.png  the reminder editor on the second (long) reminder
#   folder_browser.png   the theme directory's folder browser
# Needs a built tree (scripts/build.sh); uses the run prefix with the X11 driver.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" >/dev/null
prefix=$root/build/run-prefix
"$root/scripts/make-prefix.sh" "$prefix" x11
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
out=$root/build/shots/dialogs
rm -rf "$out"; mkdir -p "$out"

num=${TICORA_SHOT_DISPLAY:-79}
Xvfb :$num -screen 0 1024x700x24 >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:$num
cleanup() { wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true; }
trap cleanup EXIT
sleep 1
wineserver -p </dev/null >/dev/null 2>&1 || true

shot() { xwd -root -silent | convert xwd:- "$out/$1"; echo "screenshot: $out/$1"; }
# Waits up to $1 seconds for a visible window named $2.
wait_window() {
  local end=$(( $(date +%s) + $1 ))
  until xdotool search --onlyvisible --name "$2" >/dev/null 2>&1; do
    [ "$(date +%s)" -ge "$end" ] && { echo "dialog-shots: no window '$2'" >&2; return 1; }
    sleep 2
  done
  sleep 2
}
menu_command() { wine "$root/build/win/post_command.exe" "$1" </dev/null >/dev/null 2>&1; }

dir=$out/program
cp -a "$root/build/dist" "$dir"
sed -i "s/^nLostPosLeft=.*/nLostPosLeft=860/; s/^nLastPostop=.*/nLastPostop=20/" "$dir/Ticora.ini"
# The settings file is GBK, as the program reads it.
# The theme folder exists, so that the folder browser starts on it (the
# trailing backslash is dropped for it).
mkdir -p "$prefix/drive_c/声音主题/经典钟声"
value=$(printf 'C:\\声音主题\\经典钟声\\' | iconv -f UTF-8 -t GBK)
LC_ALL=C sed -i "s/^sSignalFile=.*/sSignalFile=${value//\\/\\\\}/" "$dir/Ticora.ini"
"$root/build/native/tools/make_reminder" "$dir/Ticora.rmd" --samples
(cd "$dir" && wine Ticora.exe </dev/null >/dev/null 2>&1 &)
for i in $(seq 1 60); do menu_command 0 2>/dev/null && break; sleep 2; done
# A window manager for the dialogs, as on a real desktop; started after the
# clock has placed itself, which it would otherwise re-place.
openbox >/dev/null 2>&1 &
sleep 2

menu_command 32776  # the clock settings
wait_window 120 '时钟设定' && shot clock_settings.png
xwininfo -root -tree > "$out/windows.txt" 2>&1 || true
# The second reminder from the bottom of the list, in the editor (Alt+E).
id=$(xdotool search --onlyvisible --name '时钟设定' | head -1)
if [ -n "$id" ]; then
  xdotool windowactivate --sync "$id" 2>/dev/null || true
  eval "$(xdotool getwindowgeometry --shell "$id")"
  xdotool mousemove $((X + 250)) $((Y + 175)) click 1
  sleep 1
  xdotool key alt+e
  wait_window 60 '事件提醒' && shot reminder_editor.png
fi
# The folder browser of the theme directory (Alt+B), over the settings.
xdotool key Escape; sleep 2
if [ -n "$id" ]; then
  xdotool windowactivate --sync "$id" 2>/dev/null || true
  xdotool key alt+b
  wait_window 60 '选择文件夹' && shot folder_browser.png
  xdotool key Escape; sleep 1
fi
