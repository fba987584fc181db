#!/usr/bin/env bash
# Visual check: starts several clocks at once under Xvfb over a patterned
# desktop (each skin with its digit strip, the analog face, and both faces
# translucent), saves build/shots/faces.png, then opens the notification-area
# menu of the first clock and saves build/shots/menu.png.
# Needs a built tree (scripts/build.sh); uses the run prefix with the X11 driver.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" >/dev/null
prefix=$root/build/run-prefix
"$root/scripts/make-prefix.sh" "$prefix" x11
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
out=$root/build/shots
rm -rf "$out"; mkdir -p "$out"

num=${TICORA_SHOT_DISPLAY:-78}
Xvfb :$num -screen 0 1024x600x24 +extension Composite >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:$num
cleanup() { wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true; }
trap cleanup EXIT
sleep 1
# A checked desktop makes translucency visible; the compositor blends the
# windows Wine marks with an opacity.
convert -size 1024x600 pattern:checkerboard -fill '#2f6f8f' -opaque '#999999' "$out/desktop.png"
hsetroot -tile "$out/desktop.png" >/dev/null
xcompmgr >/dev/null 2>&1 &
wineserver -p </dev/null >/dev/null 2>&1 || true

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
for spec in "${clocks[@]}"; do
  read -r name skin digits mode transparent alpha x y <<<"$spec"
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
  (cd "$dir" && wine Ticora.exe </dev/null >/dev/null 2>&1 &)
done

# Wait until every clock has mapped its window (minutes where Wine is emulated).
want=${#clocks[@]}
deadline=$(( $(date +%s) + ${TICORA_SHOT_TIMEOUT:-1200} ))
while :; do
  have=$(xdotool search --onlyvisible --classname 'ticora.exe' 2>/dev/null | wc -l || true)
  [ "$have" -ge "$want" ] && break
  [ "$(date +%s)" -ge "$deadline" ] && { echo "shots: only $have of $want clocks appeared" >&2; break; }
  sleep 5
done
sleep 4
xwd -root -silent | convert xwd:- "$out/faces.png"
echo "screenshot: $out/faces.png"
xwininfo -root -tree > "$out/windows.txt" 2>&1 || true
for id in $(xdotool search --onlyvisible --classname 'ticora.exe' 2>/dev/null); do
  echo "$id $(xdotool getwindowgeometry "$id" | tr '\n' ' ') $(xprop -id "$id" _NET_WM_WINDOW_OPACITY 2>/dev/null)"
done > "$out/opacity.txt"

# Without a shell tray on this display, a helper acts as the notification
# area: it posts the icon's right-click to the first clock, whose menu then
# opens at the cursor.
before=$(xdotool search --onlyvisible --classname 'ticora.exe' 2>/dev/null | wc -l || true)
xdotool mousemove 200 90
wine "$root/build/win/post_tray_click.exe" 200 60 </dev/null >/dev/null 2>&1 &
deadline=$(( $(date +%s) + ${TICORA_MENU_TIMEOUT:-600} ))
while :; do
  now=$(xdotool search --onlyvisible --classname 'ticora.exe' 2>/dev/null | wc -l || true)
  [ "$now" -gt "$before" ] && break
  [ "$(date +%s)" -ge "$deadline" ] && { echo "shots: the menu did not open" >&2; break; }
  sleep 3
done
sleep 4
xwd -root -silent | convert xwd:- "$out/menu.png"
echo "screenshot: $out/menu.png"

# A message board: one more clock whose reminder falls due in the minute that
# is current 150 s from now (its start takes about a minute under emulation).
xdotool key Escape || true; sleep 3
dir=$out/board
cp -a "$root/build/dist" "$dir"
sed -i "s/^bClockMode=.*/bClockMode=1/; s/^nLostPosLeft=.*/nLostPosLeft=860/; s/^nLastPostop=.*/nLastPostop=440/" "$dir/Ticora.ini"
due=$(date -d "+${TICORA_BOARD_LEAD:-150} seconds" +'%H %M')
"$root/build/native/tools/make_reminder" "$dir/Ticora.rmd" $due
before=$(xdotool search --onlyvisible --classname 'ticora.exe' 2>/dev/null | wc -l || true)
(cd "$dir" && wine Ticora.exe </dev/null >/dev/null 2>&1 &)
deadline=$(( $(date +%s) + ${TICORA_BOARD_TIMEOUT:-600} ))
while :; do
  now=$(xdotool search --onlyvisible --classname 'ticora.exe' 2>/dev/null | wc -l || true)
  [ "$now" -gt $((before + 1)) ] && break
  [ "$(date +%s)" -ge "$deadline" ] && { echo "shots: no message board appeared" >&2; break; }
  sleep 3
done
sleep 4
xwd -root -silent | convert xwd:- "$out/message_board.png"
echo "screenshot: $out/message_board.png (reminder due at $due)"
