#!/usr/bin/env bash
# Refreshes the pictures the README shows (docs/*.png) from the visual check:
# runs the four picture scripts and keeps a handful of their screenshots,
# reduced to 256 colours so that the repository stays small.
# Needs a built tree (scripts/build.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
b=$root/build
"$root/scripts/shots.sh"
"$root/scripts/dialog-shots.sh"
"$root/scripts/belvane-shots.sh"
"$root/scripts/calendar-shots.sh"
mkdir -p "$root/docs"
keep() { convert "$1" -strip -colors 256 "PNG8:$root/docs/$2"; }
keep "$b/shots/faces.png" faces.png
keep "$b/shots/menu.png" menu.png
keep "$b/shots/message_board.png" message_board.png
keep "$b/shots/dialogs/settings_analog.png" program_settings.png
keep "$b/shots/dialogs/clock_settings.png" clock_settings.png
keep "$b/shots/dialogs/reminder_editor.png" reminder_editor.png
keep "$b/shots/dialogs/time_correction.png" time_correction.png
keep "$b/shots-belvane/editor_24h.png" belvane.png
keep "$b/shots/calendar/new_year.png" calendar.png
ls -l "$root/docs"/*.png
