#!/usr/bin/env bash
# Runs a Windows program under Wine in the private prefix given as $1
# (created on first use), with the Chinese ANSI code page (936).
set -euo pipefail
prefix=$1; shift
here=$(cd "$(dirname "$0")" && pwd)
[ -f "$prefix/.ready" ] || "$here/make-prefix.sh" "$prefix" "${TICORA_WINE_DRIVER:-null}"
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
# Keep one persistent server per prefix: under emulation every process start is
# expensive, and a server that exits after each test restarts all of Wine's
# own services for the next one. scripts/test.sh stops it at the end.
wineserver -p >/dev/null 2>&1 || true
exec wine "$@"
