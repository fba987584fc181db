#!/usr/bin/env bash
# Runs a Windows program under Wine in the private prefix given as $1
# (created on first use), with the Chinese ANSI code page (936), or with the
# code page of the locale TICORA_WINE_LANG names (en_US.UTF-8: 1252,
# ja_JP.UTF-8: 932). A locale the system lacks is compiled into a folder
# beside the prefix and used from there (LOCPATH); nothing system-wide changes.
set -euo pipefail
prefix=$1; shift
here=$(cd "$(dirname "$0")" && pwd)
lang=${TICORA_WINE_LANG:-zh_CN.UTF-8}
if ! locale -a 2>/dev/null | grep -qix "$(echo "$lang" | sed 's/UTF-8/utf8/I')"; then
  locales=$(dirname "$prefix")/locales
  [ -d "$locales/$lang" ] || { mkdir -p "$locales" && localedef -i "${lang%%.*}" -f "${lang#*.}" "$locales/$lang" >/dev/null 2>&1 || true; }
  export LOCPATH=$locales
fi
[ -f "$prefix/.ready" ] || "$here/make-prefix.sh" "$prefix" "${TICORA_WINE_DRIVER:-null}" "${TICORA_WINE_VERSION:-}" "${TICORA_WINE_DPI:-}"
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=$lang LC_ALL=$lang
# Keep one persistent server per prefix: under emulation every process start is
# expensive, and a server that exits after each test restarts all of Wine's
# own services for the next one. scripts/test.sh stops it at the end.
wineserver -p </dev/null >/dev/null 2>&1 || true
# The program's output goes through a file, not straight to our caller: Wine's
# own services and any program the test starts inherit the descriptors, and a
# pipe they keep open would make CTest wait for them long after the test ended.
out=$(mktemp "${TMPDIR:-/tmp}/wine-run.XXXXXX")
trap 'rm -f "$out"' EXIT
status=0
wine "$@" </dev/null >"$out" 2>&1 || status=$?
cat "$out"
exit $status
