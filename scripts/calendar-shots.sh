#!/usr/bin/env bash
# Visual check of the perpetual calendar: shows it under Xvfb on two months
# and saves build/shots/calendar/
#   leap_month.png - July 2025, which holds the first days of 闰六月
#   new_year.png   - February 2024, with 除夕 and 春节 (2024-02-10 selected)
#   marked_days.png - December 2026 over the sample reminders: the days they
#                    fall due marked, the 15th's reminders in the description
#   add_reminder.png - "添加提醒..." pressed: the editor on the 15th
#   added_reminder.png - its OK: the new reminder in the description (and in
#                    the copy's reminder file)
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

# The reminders: a copy of the helper beside a sample reminder file, so that
# the one it adds is written there.
dir=$out/with_reminders
mkdir -p "$dir"
cp "$root/build/win/calendar_shot.exe" "$dir/"
"$root/build/native/tools/make_reminder" "$dir/Ticora.rmd" --samples
wine "$dir/calendar_shot.exe" 2026-12-15 300 reminders </dev/null >/dev/null 2>&1 &
pid=$!
end=$(( $(date +%s) + 300 ))
until id=$(xdotool search --onlyvisible --name '万年历' 2>/dev/null | head -1) && [ -n "$id" ]; do
  [ "$(date +%s)" -ge "$end" ] && { echo "calendar-shots: no calendar appeared" >&2; exit 1; }
  sleep 1
done
sleep 3
shot marked_days.png 2026-12-15
# The grid has the focus; the next tab stop is "添加提醒...".
xdotool windowfocus --sync "$id" 2>/dev/null || true
xdotool key Tab; sleep 1; xdotool key space
end=$(( $(date +%s) + 120 ))
until xdotool search --onlyvisible --name '事件提醒' >/dev/null 2>&1; do
  [ "$(date +%s)" -ge "$end" ] && { echo "calendar-shots: no editor appeared" >&2; exit 1; }
  sleep 1
done
sleep 3
shot add_reminder.png
xdotool key Return; sleep 4
shot added_reminder.png
xdotool windowfocus --sync "$id" 2>/dev/null || true
xdotool key Escape
wait "$pid" || true
