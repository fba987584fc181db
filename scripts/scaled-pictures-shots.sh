#!/usr/bin/env bash
# Visual check of the pictures that come at the screen's scale, run with
# TICORA_SHOT_DPI=144 or 192 (96 without): starts Ticora from a copy of the
# distribution under Xvfb and saves build/shots[-dpiN]/pictures/
#   about.png          - the About box with its banner
#   clock_settings.png - the clock settings with their header images
#   board.png          - a message board and the restart countdown of a second
#                        clock (which uses the recording test helper library,
#                        so nothing restarts; the countdown is left to the end
#                        of the script)
#   about_belvane.png  - Belvane's About box
# Needs a built tree (scripts/build.sh); uses the run prefix with the X11 driver.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dpi=${TICORA_SHOT_DPI:-96}
out=$root/build/shots${TICORA_SHOT_DPI:+-dpi$TICORA_SHOT_DPI}/pictures
source "$root/scripts/x-session.sh"
x_session "$out" 1024 640
source "$root/scripts/x-desktop.sh"
x_desktop "$out" $(( 1024 * dpi / 96 )) $(( 640 * dpi / 96 ))
wineserver -p </dev/null >/dev/null 2>&1 || true
clock_windows() { xdotool search --onlyvisible --classname 'ticora.exe' 2>/dev/null | wc -l || true; }
# place DIR X Y: the clock's place, given for 96 DPI.
place() {
  sed -i "s/^nLostPosLeft=.*/nLostPosLeft=$(( $2 * dpi / 96 ))/; s/^nLastPostop=.*/nLastPostop=$(( $3 * dpi / 96 ))/" "$1/Ticora.ini"
}
start() { (cd "$1" && LD_PRELOAD=$X_DESKTOP_PRELOAD wine Ticora.exe </dev/null >/dev/null 2>&1 &); }
wait_clocks() {
  local end=$(( $(date +%s) + $1 ))
  until [ "$(clock_windows)" -ge "$2" ]; do
    [ "$(date +%s)" -ge "$end" ] && return 1
    sleep 2
  done
}

# The first clock: the About box and the clock settings, then a board.
due=$(date -d "+${TICORA_BOARD_LEAD:-150} seconds" +'%H %M')
board=$out/board
cp -a "$root/build/dist" "$board"
place "$board" 40 40
sed -i "s/^bClockMode=.*/bClockMode=1/; s/^nMessageWait=.*/nMessageWait=300/" "$board/Ticora.ini"
"$root/build/native/tools/make_reminder" "$board/Ticora.rmd" $due
start "$board"
wait_clocks "${TICORA_SHOT_TIMEOUT:-900}" 1 || { echo "scaled-pictures-shots: no clock appeared" >&2; exit 1; }
sleep 3

winexe post_command 32774   # IDM_ABOUT
wait_window 300 '关于 Ticora' >/dev/null || echo "scaled-pictures-shots: the About box did not open" >&2
sleep 3
shot about.png
winexe post_command cancel; sleep 3

winexe post_command 32776   # IDM_CLOCK_SETTINGS
wait_window 300 '时钟设定' >/dev/null || echo "scaled-pictures-shots: the clock settings did not open" >&2
sleep 3
shot clock_settings.png
winexe post_command cancel; sleep 3

# A window manager from here on: without one, X leaves the board (minimized
# and restored at once on its entrance) iconic.
openbox >/dev/null 2>&1 &
sleep 2
restart=$out/restart
cp -a "$root/build/dist" "$restart"
cp "$root/build/win/FakeDorvix.dll" "$restart/Dorvix.dll"
place "$restart" 40 120
sed -i "s/^bClockMode=.*/bClockMode=1/; s/^nShutdownWait=.*/nShutdownWait=300/" "$restart/Ticora.ini"
"$root/build/native/tools/make_reminder" "$restart/Ticora.rmd" $due restart
start "$restart"
end=$(( $(date +%s) + ${TICORA_BOARD_TIMEOUT:-600} ))
until xdotool search --onlyvisible --name '重新启动计算机' >/dev/null 2>&1 && [ "$(clock_windows)" -ge 4 ]; do
  [ "$(date +%s)" -ge "$end" ] && { echo "scaled-pictures-shots: the board or the countdown did not appear" >&2; break; }
  sleep 3
done
# The countdown opens in the middle of the screen, as the board does: moved
# to the lower left so that both show.
id=$(xdotool search --onlyvisible --name '重新启动计算机' 2>/dev/null | head -1 || true)
[ -n "$id" ] && xdotool windowmove "$id" $(( 20 * dpi / 96 )) $(( 400 * dpi / 96 ))
sleep 4
shot board.png "reminders due at $due"

# Belvane's About box, from the theme editor's picture helper placed in a copy
# of the distribution (the banners drawn for the scale lie beside it).
wineserver -k >/dev/null 2>&1 || true
sleep 2
belvane=$out/belvane
cp -a "$root/build/dist" "$belvane"
cp "$root/build/win/belvane_shot.exe" "$belvane/"
(cd "$belvane" && wine belvane_shot.exe about </dev/null >/dev/null 2>&1 &)
wait_window 300 '关于 Ticora Belvane' >/dev/null || echo "scaled-pictures-shots: Belvane's About box did not open" >&2
sleep 3
shot about_belvane.png
