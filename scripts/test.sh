#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
# the native core tests, a short fuzz run, the in-process Wine tests, the end-to-end tests and the import check.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
start=$(date +%s)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
status=0
ctest --test-dir "$root/build/native" --output-on-failure || status=1
# A short run of every fuzz harness (scripts/fuzz.sh without a count runs
# the full benchmark of a million inputs each).
FUZZ_OUT="$root/build/fuzz-short" "$root/scripts/fuzz.sh" 20000 || status=1
# Start the prefix's server and Wine's own services once, detached from CTest's
# output pipes, before the Windows tests share them.
WINEPREFIX="$root/build/win/wineprefix" wineserver -k >/dev/null 2>&1 || true
"$root/scripts/wine-run.sh" "$root/build/win/wineprefix" wineboot </dev/null >/dev/null 2>&1 || true
ctest --test-dir "$root/build/win" --output-on-failure -j 2 || status=1
for prefix in "$root"/build/win/wineprefix "$root"/build/win/wineprefix-*; do
  [ -d "$prefix" ] && WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
done
echo "test.sh: finished in $(( $(date +%s) - start )) s"
exit $status
