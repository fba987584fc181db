#!/usr/bin/env bash
# check-imports.sh [--may-link DLL]... PROGRAM...
# Fails when a shipped program imports directly what it must bind at run time
# (winmm, comdlg32, SetLayeredWindowAttributes and the multi-monitor calls),
# unless --may-link names that library (winmm.dll, comdlg32.dll) for a program
# that links it directly (the theme editor),
# or a kernel function that Windows 95, 98, Me, NT 4 or 2000 lack: such an
# import stops the program from starting there at all. Lists the imported DLLs.
# A file whose import table cannot be read, or in which no imported function
# is found, fails too: a check that reads nothing proves nothing.
set -euo pipefail
linked=""
while [ $# -gt 0 ] && [ "$1" = "--may-link" ]; do
  linked="$linked $(echo "$2" | tr 'A-Z' 'a-z')"
  shift 2
done
# The functions a directly linked library allows along with it.
linked_funcs=""
for d in $linked; do
  case $d in
    winmm.dll) linked_funcs="$linked_funcs PlaySoundA" ;;
    comdlg32.dll) linked_funcs="$linked_funcs GetOpenFileNameA" ;;
  esac
done
if [ $# -eq 0 ]; then
  echo "usage: check-imports.sh [--may-link DLL]... PROGRAM..." >&2
  exit 2
fi
# Functions of the systems' DLLs that appeared after Windows 95 and NT 4 (or
# only in the NT family) and that a C++ runtime tends to import.
late="GetTickCount64 AddVectoredExceptionHandler RemoveVectoredExceptionHandler
  GetHandleInformation TryEnterCriticalSection IsDebuggerPresent GetProcessAffinityMask
  SetProcessAffinityMask InitializeCriticalSectionAndSpinCount GetModuleHandleExA GetModuleHandleExW
  SetThreadStackGuarantee FlsAlloc FlsGetValue FlsSetValue FlsFree InitOnceExecuteOnce
  InitializeSRWLock AcquireSRWLockExclusive AcquireSRWLockShared InitializeConditionVariable
  SleepConditionVariableCS WakeConditionVariable WakeAllConditionVariable
  GetSystemTimePreciseAsFileTime CreateEventExA CreateEventExW CreateSemaphoreExW
  GetFileSizeEx SetFilePointerEx GetLongPathNameA IsProcessorFeaturePresent
  EncodePointer DecodePointer GetNativeSystemInfo SwitchToThread"
bad=0
for exe in "$@"; do
  name=$(basename "$exe")
  if ! dump=$(i686-w64-mingw32-objdump -p "$exe" 2>&1); then
    echo "FAIL: $name: cannot read its headers: $(printf '%s\n' "$dump" | tail -1)"
    bad=1
    continue
  fi
  dlls=$(printf '%s\n' "$dump" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
  # The imported function names (hint/ordinal table rows).
  funcs=$(printf '%s\n' "$dump" | sed -n '/The Import Tables/,/^The \(Export\|Resource\)/p' |
          awk '/^[[:space:]]+[0-9a-f]+[[:space:]]+[0-9]+[[:space:]]+[A-Za-z_]/{print $3}')
  if [ -z "$dlls" ] || [ -z "$funcs" ]; then
    echo "FAIL: $name: no imported functions found (not a Windows program, or its import table was not understood)"
    bad=1
    continue
  fi
  echo "imports of $name ($(printf '%s\n' "$funcs" | wc -l) functions): $(echo $dlls)"
  for d in winmm.dll comdlg32.dll; do
    case " $linked " in *" $d "*) continue;; esac
    if printf '%s\n' "$dlls" | grep -qx "$d"; then echo "FAIL: $name imports $d directly"; bad=1; fi
  done
  for f in SetLayeredWindowAttributes MonitorFromRect MonitorFromPoint MonitorFromWindow GetMonitorInfoA EnumDisplayMonitors \
           PlaySoundA GetOpenFileNameA $late; do
    case " $linked_funcs " in *" $f "*) continue;; esac
    if printf '%s\n' "$funcs" | grep -qx "$f"; then echo "FAIL: $name imports $f directly"; bad=1; fi
  done
  allowed="kernel32.dll user32.dll gdi32.dll shell32.dll comctl32.dll advapi32.dll msvcrt.dll$linked"
  for d in $dlls; do
    case " $allowed " in *" $d "*) ;; *) echo "FAIL: $name has an unexpected import $d"; bad=1;; esac
  done
done
[ $bad -eq 0 ] && echo "check_imports: ok"
exit $bad
