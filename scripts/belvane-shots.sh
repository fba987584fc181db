#!/usr/bin/env bash
# Visual check of the theme editor and the About boxes: under Xvfb, in a Wine
# desktop window (which draws the window frames), saves build/shots-belvane/
#   editor_24h.png     - Belvane with the generated 24-hour theme opened
#   long_path.png      - saving into a folder of 247 characters: the message,
#                        its path shortened in the middle
#   about_belvane.png  - Belvane's About box (on its own: see WINE-NOTES on nested dialogs)
#   about_ticora.png, about_ticora_hover.png - Ticora's About box, and with
#                        its web link under the mouse
# Needs a built tree (scripts/build.sh); uses the run prefix with the X11 driver.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build/shots-belvane${TICORA_SHOT_DPI:+-dpi$TICORA_SHOT_DPI}
source "$root/scripts/x-session.sh"
x_session "$out" 1024 768
winpath() { printf 'Z:%s' "${1//\//\\}"; }
theme=$(winpath "$root/build/dist/Themes/Bells24/theme.ini")
win=$root/build/win
# shot NAME SECONDS PROGRAM [ARGS...]: runs the program in a Wine desktop,
# waits, captures the screen, ends the program.
shot() {
  local name=$1 wait=$2; shift 2
  # The desktop is as much larger as the screen is denser.
  local dpi=${TICORA_SHOT_DPI:-96}
  local w=$(( 900 * dpi / 96 )) h=$(( 640 * dpi / 96 ))
  (cd "$root/build/dist" && wine explorer /desktop=shot,${w}x${h} "$@" </dev/null >/dev/null 2>&1 &)
  # Until the pointer enters the desktop window, Wine takes it for the middle
  # of the screen, where the About boxes open: put it in a corner of the desktop.
  sleep 2
  for at in "20 $(( h - 20 ))" "30 $(( h - 30 ))" "40 $(( h - 40 ))"; do
    xdotool mousemove $at >/dev/null 2>&1 || true
    sleep 0.3
  done
  sleep "$wait"
  xwd -root -silent | convert xwd:- -crop ${w}x${h}+0+0 +repage "$out/$name"
  echo "screenshot: $out/$name"
  wineserver -k >/dev/null 2>&1 || true
  sleep 1
}
shot editor_24h.png 6 "$win/belvane_shot.exe" "$theme"
# A folder whose Windows path has 247 characters.
deep=$out/deep
while [ $(( ${#deep} + 2 + 41 )) -le 247 ]; do deep=$deep/$(printf 'f%.0s' $(seq 40)); done
last=$(( 247 - ${#deep} - 2 - 1 ))
[ "$last" -gt 0 ] && deep=$deep/$(printf 'g%.0s' $(seq "$last"))
mkdir -p "$deep"
shot long_path.png 6 "$win/belvane_shot.exe" save "$(winpath "$deep")\\theme.ini"
shot about_belvane.png 5 "$win/belvane_shot.exe" about
shot about_ticora.png 7 "$win/about_shot.exe"
shot about_ticora_hover.png 8 "$win/about_shot.exe" hover
