#!/usr/bin/env bash
# Visual check of the perpetual calendar: shows it under Xvfb on two months
# and saves build/shots/calendar/
#   leap_month.png - July 2025, which holds the first days of 闰六月
#   new_year.png   - February 2024, with 除夕 and 春节 (2024-02-10 selected)
# Needs a built tree (scripts/build.sh); uses the run prefix with the X11 driver.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build/shots${TICORA_SHOT_DPI:+-dpi$TICORA_SHOT_DPI}/calendar
source "$root/scripts/x-session.sh"
x_session "$out" 800 600

# Shows the calendar on day $2 and saves the screen as $1 once it is up.
calendar_shot() {
  wine "$root/build/win/calendar_shot.exe" "$2" 12 </dev/null >/dev/null 2>&1 &
  local pid=$! end=$(( $(date +%s) + 300 ))
  until xdotool search --onlyvisible --name '万年历' >/dev/null 2>&1; do
    [ "$(date +%s)" -ge "$end" ] && { echo "calendar-shots: no calendar appeared" >&2; exit 1; }
    sleep 1
  done
  sleep 3
  shot "$1" "$2"
  wait "$pid" || true
}
calendar_shot leap_month.png 2025-07-25
calendar_shot new_year.png 2024-02-10
