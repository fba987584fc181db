# Sourced by the scripts that take pictures of the programs under Xvfb.
# x_session OUTDIR WIDTH HEIGHT
#   makes the run prefix (X11 driver) and exports Wine's environment, empties
#   OUTDIR, starts Xvfb on a free display (from $TICORA_SHOT_DISPLAY, default
#   79: another Xvfb on the same number would mix its windows into these
#   pictures) and exports DISPLAY; Wine and Xvfb are ended when the script exits.
#   With TICORA_SHOT_DPI set (144, 192 ...) the prefix is one set to that DPI
#   and the screen is as much larger, as a screen of that density would be.
# shot NAME [NOTE] saves the whole screen as OUTDIR/NAME.
# wait_window SECONDS NAME waits for a visible window named NAME; prints its id.
# winexe TOOL ARGS... runs build/win/TOOL.exe quietly.
x_session() {
  local here
  here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  "$here/scripts/setup.sh" >/dev/null
  local dpi=${TICORA_SHOT_DPI:-}
  prefix=$here/build/run-prefix${dpi:+-dpi$dpi}
  "$here/scripts/make-prefix.sh" "$prefix" x11 "" "$dpi"
  export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
  X_SESSION_OUT=$1
  rm -rf "$X_SESSION_OUT"; mkdir -p "$X_SESSION_OUT"
  local num=${TICORA_SHOT_DISPLAY:-79}
  while [ -e /tmp/.X11-unix/X$num ] || [ -e /tmp/.X$num-lock ]; do num=$((num + 1)); done
  local width=$2 height=$3
  if [ -n "$dpi" ]; then width=$(( width * dpi / 96 )); height=$(( height * dpi / 96 )); fi
  Xvfb :$num -screen 0 "${width}x${height}x24" -dpi "${dpi:-96}" >/dev/null 2>&1 &
  X_SESSION_XVFB=$!
  export DISPLAY=:$num
  trap 'wineserver -k >/dev/null 2>&1 || true; kill $X_SESSION_XVFB 2>/dev/null || true' EXIT
  sleep 1
}
shot() { xwd -root -silent | convert xwd:- "$X_SESSION_OUT/$1"; echo "screenshot: $X_SESSION_OUT/$1${2:+ ($2)}"; }

wait_window() {
  local end=$(( $(date +%s) + $1 )) id
  until id=$(xdotool search --onlyvisible --name "$2" 2>/dev/null | head -1) && [ -n "$id" ]; do
    [ "$(date +%s)" -ge "$end" ] && return 1
    sleep 2
  done
  echo "$id"
}

winexe() {
  local here
  here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  wine "$here/build/win/$1.exe" "${@:2}" </dev/null >/dev/null 2>&1
}
