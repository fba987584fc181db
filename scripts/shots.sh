#!/usr/bin/env bash
# Visual check: starts several clocks at once under Xvfb over a coloured,
# ruled desktop picture (each skin with its digit strip, the analog face, and
# both faces translucent beside opaque ones) and saves build/shots/faces.png;
# then opens the notification-area menu of the first clock (menu.png), lets one
# more clock show a message board (message_board.png) and two more the shutdown
# countdown (countdown.png, countdown_hover.png). The opacity each clock gave X
# is in opacity.txt. Two more pictures are drawn in memory by helpers rather
# than captured: a message board with the pointer over its close box
# (message_board_drawn.png) and the flat button's states (flat_buttons.png).
# Needs a built tree (scripts/build.sh); uses the run prefix with the X11 driver.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build/shots${TICORA_SHOT_DPI:+-dpi$TICORA_SHOT_DPI}
source "$root/scripts/x-session.sh"
TICORA_SHOT_DISPLAY=${TICORA_SHOT_DISPLAY:-78} x_session "$out" 1024 600

# Visible windows of the clocks (their dialogs and menus count too).
clock_windows() { xdotool search --onlyvisible --classname 'ticora.exe' 2>/dev/null | wc -l || true; }
at_least() { [ "$($1)" -ge "$2" ]; }
countdowns() { xdotool search --onlyvisible --name '计算机' 2>/dev/null | wc -l || true; }
# Waits up to $1 seconds for the condition that follows; false on time-out.
wait_for() {
  local end=$(( $(date +%s) + $1 )); shift
  until "$@"; do
    [ "$(date +%s)" -ge "$end" ] && return 1
    sleep 3
  done
}

# A coloured desktop picture and a compositor, so that translucency is seen.
source "$root/scripts/x-desktop.sh"
x_desktop "$out" $(( 1024 * ${TICORA_SHOT_DPI:-96} / 96 )) $(( 600 * ${TICORA_SHOT_DPI:-96} / 96 ))
# Starts Ticora from the folder $1, in the background.
start_clock() { (cd "$1" && LD_PRELOAD=$X_DESKTOP_PRELOAD wine Ticora.exe </dev/null >/dev/null 2>&1 &); }
wineserver -p </dev/null >/dev/null 2>&1 || true

# The pictures drawn in memory: drawn NAME HELPER [ARGS...] has the helper
# write NAME.bmp, which is kept as NAME.png.
winpath() { printf 'Z:%s' "${1//\//\\}"; }
drawn() {
  local name=$1 helper=$2; shift 2
  if wine "$root/build/win/$helper.exe" "$(winpath "$out/$name.bmp")" "$@" </dev/null >/dev/null &&
     convert "$out/$name.bmp" "$out/$name.png"; then
    rm -f "$out/$name.bmp"
    echo "picture: $out/$name.png"
  else
    echo "shots: $helper did not draw $name" >&2
  fi
}
drawn message_board_drawn message_board_shot "$(winpath "$root/build/dist/WndBackgnd.bmp")"
drawn flat_buttons flat_buttons_shot
drawn countdown_drawn countdown_shot "$(winpath "$root/build/dist/warning.bmp")"

# name skin digits mode transparent alpha x y
clocks=(
  "capsule 1 1 0 0 255 40 40"
  "panel 2 2 0 0 255 40 140"
  "alarm 3 3 0 0 255 40 250"
  "cloud 4 1 0 0 255 40 380"
  "analog 1 1 1 0 255 330 60"
  "capsule_glass 1 3 0 1 120 560 60"
  "analog_glass 1 1 1 1 120 560 260"
)
set_key() { sed -i "s/^$2=.*/$2=$3/" "$1"; }
for entry in "${clocks[@]}"; do
  read -r name skin digits mode transparent alpha x y <<<"$entry"
  dir=$out/$name
  cp -a "$root/build/dist" "$dir"
  ini=$dir/Ticora.ini
  sed -i "/^\[BACKGROUND\]/,/^\[/ s/^nCurrent=.*/nCurrent=$skin/" "$ini"
  sed -i "/^\[NUMBER\]/,/^\[/ s/^nCurrent=.*/nCurrent=$digits/" "$ini"
  set_key "$ini" bClockMode "$mode"
  set_key "$ini" bTransparent "$transparent"
  set_key "$ini" nTransparence "$alpha"
  set_key "$ini" nLostPosLeft "$x"
  set_key "$ini" nLastPostop "$y"
  start_clock "$dir"
done

# Wait until every clock has mapped its window (minutes where Wine is emulated).
want=${#clocks[@]}
wait_for "${TICORA_SHOT_TIMEOUT:-1200}" at_least clock_windows "$want" ||
  echo "shots: only $(clock_windows) of $want clocks appeared" >&2
sleep 4
shot faces.png
xwininfo -root -tree > "$out/windows.txt" 2>&1 || true
for id in $(xdotool search --onlyvisible --classname 'ticora.exe' 2>/dev/null); do
  echo "$id $(xdotool getwindowgeometry "$id" | tr '\n' ' ') $(xprop -id "$id" _NET_WM_WINDOW_OPACITY 2>/dev/null)"
done > "$out/opacity.txt"

# The notification-area icons sit in Wine's own tray window when the desktop
# has no tray: a right click on the first icon opens that clock's menu. Should
# the tray window be missing, a helper posts the icon's right click instead.
before=$(clock_windows)
tray=$(xdotool search --onlyvisible --name 'Wine System Tray' 2>/dev/null | head -1 || true)
if [ -n "$tray" ]; then
  eval "$(xdotool getwindowgeometry --shell "$tray")"
  xdotool mousemove $((X + 10)) $((Y + 10)) click 3
else
  xdotool mousemove 200 90
  wine "$root/build/win/post_tray_click.exe" 200 60 </dev/null >/dev/null 2>&1 &
fi
wait_for "${TICORA_MENU_TIMEOUT:-600}" at_least clock_windows $((before + 1)) || echo "shots: the menu did not open" >&2
sleep 4
shot menu.png

# A message board: one more clock whose reminder falls due in the minute that
# is current 75 s from now (time enough for a start where Wine is emulated).
xdotool key Escape || true; sleep 3
# A window manager from here on, as on a real desktop: without one, X leaves a
# window that was minimized and restored at once (the board's entrance)
# iconic. It is started only now because it would re-place the clocks above.
openbox >/dev/null 2>&1 &
sleep 2
dir=$out/board
cp -a "$root/build/dist" "$dir"
sed -i "s/^bClockMode=.*/bClockMode=1/; s/^nLostPosLeft=.*/nLostPosLeft=860/; s/^nLastPostop=.*/nLastPostop=440/" "$dir/Ticora.ini"
due=$(date -d "+${TICORA_BOARD_LEAD:-75} seconds" +'%H %M')
"$root/build/native/tools/make_reminder" "$dir/Ticora.rmd" $due
before=$(clock_windows)
start_clock "$dir"
wait_for "${TICORA_BOARD_TIMEOUT:-600}" at_least clock_windows $((before + 2)) || echo "shots: no message board appeared" >&2
sleep 4
shot message_board.png "reminder due at $due"

# The shutdown countdown, in both wordings: two more clocks whose reminders shut
# down and restart the computer. They use the recording test helper library,
# so nothing is shut down; the countdowns are cancelled after the pictures.
due=$(date -d "+${TICORA_BOARD_LEAD:-75} seconds" +'%H %M')
for kind in shutdown restart; do
  dir=$out/$kind
  cp -a "$root/build/dist" "$dir"
  cp "$root/build/win/FakeDorvix.dll" "$dir/Dorvix.dll"
  sed -i "s/^bClockMode=.*/bClockMode=1/; s/^nShutdownWait=.*/nShutdownWait=90/" "$dir/Ticora.ini"
  [ $kind = shutdown ] && sed -i "s/^nLostPosLeft=.*/nLostPosLeft=860/; s/^nLastPostop=.*/nLastPostop=20/" "$dir/Ticora.ini"
  [ $kind = restart ] && sed -i "s/^nLostPosLeft=.*/nLostPosLeft=860/; s/^nLastPostop=.*/nLastPostop=200/" "$dir/Ticora.ini"
  "$root/build/native/tools/make_reminder" "$dir/Ticora.rmd" $due $kind
  start_clock "$dir"
done
wait_for "${TICORA_BOARD_TIMEOUT:-600}" at_least countdowns 2 || echo "shots: the countdowns did not appear" >&2
sleep 3
# Both dialogs open in the middle of the screen: move one aside so that both
# wordings show, then rest the pointer on a flat button to show its hover state.
ids=$(xdotool search --onlyvisible --name '计算机' 2>/dev/null || true)
first=$(echo "$ids" | head -1)
[ -n "$first" ] && xdotool windowmove "$first" 20 330
sleep 2
shot countdown.png "reminders due at $due"
second=$(echo "$ids" | tail -1)
if [ -n "$second" ]; then
  eval "$(xdotool getwindowgeometry --shell "$second")"
  for dx in 0 10 20 30 40; do
    xdotool mousemove $((X + 60 + dx)) $((Y + HEIGHT - 22))
    sleep 0.3
  done
  sleep 2
  shot countdown_hover.png
fi
