#!/usr/bin/env bash
# Visual check of the dialogs: starts Ticora from a copy of the distribution
# under Xvfb (over the ruled desktop picture, with the compositor, so that
# translucency shows), with a few sample reminders, opens each dialog through
# its menu command and saves build/shots/dialogs/
#   settings_digital.png     - program settings as opened, the preview digital
#   settings_analog.png      - after choosing the analog face (Alt+P)
#   settings_translucent.png - then translucent (Alt+T) with the value 120
#   settings_translucent_digital.png - and back to the digital face (Alt+D)
#   time_correction.png      - the time correction dialog
#   time_correction_calendar.png - its date picker's calendar, dropped down
#   clock_settings.png       - the clock settings with the reminder list (every kind)
#   reminder_editor.png      - the reminder editor on the long reminder
#   editor_weekly.png, editor_workdays.png, editor_monthly.png,
#   editor_yearly.png, editor_lunar.png - the editor on a reminder of each
#                              kind that repeats by a rule
#   folder_browser.png       - the theme directory's folder browser
# Every dialog is cancelled, so nothing is written; the time is not set.
# Needs a built tree (scripts/build.sh); uses the run prefix with the X11 driver.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build/shots${TICORA_SHOT_DPI:+-dpi$TICORA_SHOT_DPI}/dialogs
source "$root/scripts/x-session.sh"
x_session "$out" 1024 768
source "$root/scripts/x-desktop.sh"
x_desktop "$out" $(( 1024 * ${TICORA_SHOT_DPI:-96} / 96 )) $(( 768 * ${TICORA_SHOT_DPI:-96} / 96 ))
wineserver -p </dev/null >/dev/null 2>&1 || true


dir=$out/clock
cp -a "$root/build/dist" "$dir"
sed -i "s/^nLostPosLeft=.*/nLostPosLeft=760/; s/^nLastPostop=.*/nLastPostop=40/" "$dir/Ticora.ini"
# Sample reminders, and a theme folder with a Chinese name that exists, so
# that the folder browser starts on it (its trailing backslash is dropped for
# the browser). The settings file is GBK, as the program reads it.
"$root/build/native/tools/make_reminder" "$dir/Ticora.rmd" --samples
mkdir -p "$prefix/drive_c/声音主题/经典钟声"
value=$(printf 'C:\\声音主题\\经典钟声\\' | iconv -f UTF-8 -t GBK)
LC_ALL=C sed -i "s/^sSignalFile=.*/sSignalFile=${value//\\/\\\\}/" "$dir/Ticora.ini"
(cd "$dir" && LD_PRELOAD=$X_DESKTOP_PRELOAD wine Ticora.exe </dev/null >/dev/null 2>&1 &)
end=$(( $(date +%s) + ${TICORA_SHOT_TIMEOUT:-900} ))
until xdotool search --onlyvisible --classname 'ticora.exe' >/dev/null 2>&1; do
  [ "$(date +%s)" -ge "$end" ] && { echo "dialog-shots: no clock appeared" >&2; exit 1; }
  sleep 2
done
sleep 2

winexe post_command 32775   # IDM_PROGRAM_SETTINGS
dlg=$(wait_window 300 '程序设置') || { echo "dialog-shots: the settings dialog did not open" >&2; exit 1; }
sleep 3
shot settings_digital.png
xdotool windowfocus --sync "$dlg" 2>/dev/null || true
xdotool key alt+p; sleep 5
shot settings_analog.png
xdotool key alt+t Tab; sleep 1
xdotool type 120; sleep 3
shot settings_translucent.png
xdotool key alt+d; sleep 5
shot settings_translucent_digital.png
xdotool key Escape; sleep 2

winexe post_command 32778   # IDM_TIME_CORRECTION
dlg=$(wait_window 300 '校正系统时间') || { echo "dialog-shots: the time correction did not open" >&2; exit 1; }
sleep 3
shot time_correction.png
xdotool windowfocus --sync "$dlg" 2>/dev/null || true
# The picker's drop-down button, at the right end of the date picker.
eval "$(xdotool getwindowgeometry --shell "$dlg")"
xdotool mousemove $((X + 345)) $((Y + 96)) click 1; sleep 3
shot time_correction_calendar.png
xdotool key Escape; sleep 2
# Closed for the next dialog: one dialog at a time.
for i in 1 2 3 4 5; do
  xdotool search --onlyvisible --name '校正系统时间' >/dev/null 2>&1 || break
  winexe post_command cancel; sleep 3
done

winexe post_command 32776   # IDM_CLOCK_SETTINGS
dlg=$(wait_window 300 '时钟设定') || { echo "dialog-shots: the clock settings did not open" >&2; shot clock_settings_missing.png; exit 1; }
sleep 3
shot clock_settings.png
# The long reminder (fourth row) in the editor (Alt+E).
xdotool windowfocus --sync "$dlg" 2>/dev/null || true
eval "$(xdotool getwindowgeometry --shell "$dlg")"
xdotool mousemove $((X + 250)) $((Y + 205)) click 1; sleep 2
xdotool key alt+e
wait_window 60 '事件提醒' >/dev/null && { sleep 3; shot reminder_editor.png; }
xdotool key Escape; sleep 2
# The samples of the repeating kinds are the rows below the fifth.
k=2
for kind in weekly workdays monthly yearly lunar; do
  xdotool windowfocus --sync "$dlg" 2>/dev/null || true
  xdotool mousemove $((X + 250)) $((Y + 205)) click 1; sleep 2
  for _ in $(seq $k); do xdotool key Down; done
  sleep 1
  xdotool key alt+e
  wait_window 60 '事件提醒' >/dev/null && { sleep 3; shot "editor_$kind.png"; }
  xdotool key Escape; sleep 2
  k=$((k + 1))
done
xdotool windowfocus --sync "$dlg" 2>/dev/null || true
xdotool key alt+b
wait_window 60 '选择文件夹' >/dev/null && { sleep 3; shot folder_browser.png; }
xdotool key Escape; sleep 1; xdotool key Escape; sleep 1
