#!/usr/bin/env bash
# Fails when Ticora.exe imports directly what it must bind at run time:
# winmm, comdlg32, SetLayeredWindowAttributes and the multi-monitor calls,
# and lists the imported DLLs.
set -euo pipefail
exe=$1
dump=$(i686-w64-mingw32-objdump -p "$exe")
dlls=$(printf '%s\n' "$dump" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
echo "imports of $(basename "$exe"): $(echo $dlls)"
bad=0
for d in winmm.dll comdlg32.dll; do
  if printf '%s\n' "$dlls" | grep -qx "$d"; then echo "FAIL: imports $d directly"; bad=1; fi
done
for f in SetLayeredWindowAttributes MonitorFromRect GetMonitorInfoA PlaySoundA GetOpenFileNameA; do
  if printf '%s\n' "$dump" | grep -qw "$f"; then echo "FAIL: imports $f directly"; bad=1; fi
done
allowed="kernel32.dll user32.dll gdi32.dll shell32.dll comctl32.dll advapi32.dll msvcrt.dll"
for d in $dlls; do
  case " $allowed " in *" $d "*) ;; *) echo "FAIL: unexpected import $d"; bad=1;; esac
done
[ $bad -eq 0 ] && echo "check_imports: ok"
exit $bad
