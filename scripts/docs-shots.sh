#!/usr/bin/env bash
# Refreshes the pictures the README shows (docs/*.png) from the visual check:
# runs the four picture scripts and keeps a handful of their screenshots,
# reduced to 256 colours so that the repository stays small; and saves the
# installer's component page (build/shots-installer/components.png), reached
# from its welcome page with the Enter key. The faces, the menu, the dialogs,
# the calendar and Belvane are taken again in prefixes set to 144 and 192 DPI
# (build/shots-dpi144/, build/shots-dpi192/, build/shots-belvane-dpi*/), with
# the pictures that come at the screen's scale (the board, the countdown, the
# About boxes, the header images: build/shots-dpi*/pictures/).
# Needs a built tree (scripts/build.sh builds the installer too).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
b=$root/build
"$root/scripts/shots.sh"
"$root/scripts/dialog-shots.sh"
"$root/scripts/belvane-shots.sh"
"$root/scripts/calendar-shots.sh"
for dpi in 144 192; do
  for script in shots dialog-shots calendar-shots belvane-shots scaled-pictures-shots; do
    TICORA_SHOT_DPI=$dpi "$root/scripts/$script.sh"
  done
done
(
  source "$root/scripts/x-session.sh"
  x_session "$b/shots-installer" 800 600
  installer=$(ls "$b"/package/Ticora-*-setup.exe | head -n 1)
  wine explorer /desktop=setup,800x600 "$installer" </dev/null >/dev/null 2>&1 &
  sleep 12
  shot welcome.png
  xdotool key Return; sleep 3; xdotool key Return; sleep 3
  shot components.png
)
mkdir -p "$root/docs"
keep() { convert "$1" -strip -colors 256 "PNG8:$root/docs/$2"; }
keep "$b/shots/faces.png" faces.png
keep "$b/shots/menu.png" menu.png
keep "$b/shots/dialogs/settings_analog.png" program_settings.png
keep "$b/shots/dialogs/clock_settings.png" clock_settings.png
keep "$b/shots/dialogs/editor_lunar.png" reminder_editor.png
keep "$b/shots/dialogs/time_correction.png" time_correction.png
keep "$b/shots-belvane/editor_24h.png" belvane.png
keep "$b/shots/calendar/new_year.png" calendar.png
keep "$b/shots/calendar/marked_days.png" calendar_reminders.png
keep "$b/shots-installer/components.png" installer.png
# The faces at 192 DPI: the part of the larger screen the clocks take.
convert "$b/shots-dpi192/faces.png" -crop 1560x1000+0+0 +repage -strip -colors 128 "PNG8:$root/docs/faces_192dpi.png"
# The message board and the restart countdown at 192 DPI.
convert "$b/shots-dpi192/pictures/board.png" -crop 1360x760+0+460 +repage -strip -colors 128 "PNG8:$root/docs/board_192dpi.png"
ls -l "$root/docs"/*.png
