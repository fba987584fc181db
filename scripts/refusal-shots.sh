#!/usr/bin/env bash
# Visual check of the refusals at OK: starts Ticora from a copy of the
# distribution under Xvfb, types values that do not fit into its dialogs from
# outside (tools/visual_win/dialog_input) and saves build/shots/refusals/
#   settings_wait.png     - program settings: a shutdown wait of 0
#   editor_command.png    - reminder editor: a command line of 358 characters
#   theme_folder.png      - clock settings: a theme folder of 140 characters
# Every dialog is cancelled afterwards, so nothing is written.
# Needs a built tree (scripts/build.sh); uses the run prefix with the X11 driver.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/build/shots/refusals
source "$root/scripts/x-session.sh"
x_session "$out" 1024 768
wineserver -p </dev/null >/dev/null 2>&1 || true

boxes() { xdotool search --onlyvisible --name '^Ticora$' 2>/dev/null | sort; }
# Presses OK of the dialog named $1, waits for the warning box over it, takes
# the shot $2 and closes the box. The box is moved to stick out of the dialog:
# a window wholly inside another of the same program can stay unpainted on
# the X screen under Wine.
refusal() {
  local before box end=$(( $(date +%s) + 120 ))
  before=$(boxes)
  winexe dialog_input "$1" click 1
  until box=$(comm -13 <(echo "$before") <(boxes) | head -1) && [ -n "$box" ]; do
    [ "$(date +%s)" -ge "$end" ] && { echo "refusal-shots: no message over $1" >&2; shot "$2"; return 1; }
    sleep 2
  done
  xdotool windowmove "$box" 560 600 2>/dev/null || true
  sleep 3
  shot "$2"
  winexe dialog_input Ticora click 1 || true
  sleep 2
}

dir=$out/clock
cp -a "$root/build/dist" "$dir"
sed -i "s/^nLostPosLeft=.*/nLostPosLeft=760/; s/^nLastPostop=.*/nLastPostop=40/" "$dir/Ticora.ini"
(cd "$dir" && wine Ticora.exe </dev/null >/dev/null 2>&1 &)
end=$(( $(date +%s) + ${TICORA_SHOT_TIMEOUT:-900} ))
until xdotool search --onlyvisible --classname 'ticora.exe' >/dev/null 2>&1; do
  [ "$(date +%s)" -ge "$end" ] && { echo "refusal-shots: no clock appeared" >&2; exit 1; }
  sleep 2
done
sleep 2

winexe post_command 32775   # IDM_PROGRAM_SETTINGS
wait_window 300 '程序设置' >/dev/null || { echo "refusal-shots: no settings dialog" >&2; exit 1; }
sleep 3
winexe dialog_input 程序设置 1038 0
refusal 程序设置 settings_wait.png || true
winexe post_command cancel; sleep 3

winexe post_command 32776   # IDM_CLOCK_SETTINGS
wait_window 300 '时钟设定' >/dev/null || { echo "refusal-shots: no clock settings" >&2; exit 1; }
sleep 3
winexe dialog_input 时钟设定 click 1013   # add
wait_window 120 '事件提醒' >/dev/null || { echo "refusal-shots: no editor" >&2; exit 1; }
sleep 3
winexe dialog_input 事件提醒 click 1039   # start a program
sleep 1
winexe dialog_input 事件提醒 1022 "C:\\Tools\\backup.exe /source C:\\Data /target D:\\Backup $(printf 'x%.0s' $(seq 1 300))"
refusal 事件提醒 editor_command.png || true
winexe dialog_input 事件提醒 click 2; sleep 3
winexe dialog_input 时钟设定 1009 "C:\\Sounds\\$(printf 'd%.0s' $(seq 1 130))\\"
refusal 时钟设定 theme_folder.png || true
winexe post_command cancel; sleep 2
