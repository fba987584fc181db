#!/usr/bin/env bash
# Runs a Windows program under Wine in the private prefix given as $1
# (created on first use), with the Chinese ANSI code page (936).
set -euo pipefail
prefix=$1; shift
here=$(cd "$(dirname "$0")" && pwd)
[ -f "$prefix/.ready" ] || "$here/make-prefix.sh" "$prefix" "${TICORA_WINE_DRIVER:-null}"
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
exec wine "$@"
