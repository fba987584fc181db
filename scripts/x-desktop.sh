# Sourced by the scripts that show Ticora on a virtual X display (Xvfb).
# x_desktop WORKDIR WIDTH HEIGHT
#   puts a desktop picture on the display $DISPLAY (blue to green, ruled every
#   40 pixels, so that whatever shows through a translucent clock can be seen)
#   and starts a compositing manager so that translucent windows are blended.
#   Sets X_DESKTOP_PRELOAD to the library that Wine's processes must be started
#   with (LD_PRELOAD), empty when compositing is not available.
#
# Under Xvfb the compositor draws a window that has a colormap of its own
# opaque (and ignores its opacity and shape), and Wine gives every window one;
# the preload library (tools/visual/x11_default_colormap.c) lets Wine's
# processes use the screen's default colormap instead. The picture is a
# window of the screen's size marked as the desktop: the compositor does not
# take a picture set on the root window by ImageMagick.
x_desktop() {
  local dir=$1 width=$2 height=$3 here lines i id
  here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  X_DESKTOP_PRELOAD=
  mkdir -p "$dir"
  lines=$(for i in $(seq 20 40 "$width"); do echo "line $i,0 $i,$height line 0,$i $width,$i "; done)
  convert -size "${width}x${height}" gradient:'#1f5f9f-#8fd08f' -stroke '#f0f0f0' -draw "$lines" "$dir/desktop.png"
  display -borderwidth 0 -geometry +0+0 -title ticora-desktop "$dir/desktop.png" >/dev/null 2>&1 &
  for i in $(seq 1 30); do
    id=$(xdotool search --onlyvisible --name '^ticora-desktop' 2>/dev/null | head -1 || true)
    [ -n "$id" ] && break
    sleep 1
  done
  if [ -n "$id" ]; then
    xprop -id "$id" -f _NET_WM_WINDOW_TYPE 32a -set _NET_WM_WINDOW_TYPE _NET_WM_WINDOW_TYPE_DESKTOP
  else
    echo "x_desktop: no desktop picture" >&2
  fi
  if gcc -m32 -O2 -shared -fPIC -nostdlib "$here/tools/visual/x11_default_colormap.c" \
       -o "$dir/x11_default_colormap.so" 2>/dev/null && command -v xcompmgr >/dev/null; then
    X_DESKTOP_PRELOAD=$dir/x11_default_colormap.so
    xcompmgr >"$dir/xcompmgr.log" 2>&1 &
  else
    echo "x_desktop: no compositing (32-bit preload library or xcompmgr missing): translucent clocks look opaque" >&2
  fi
}
