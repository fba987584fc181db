#!/usr/bin/env bash
# The long soak of the desktop clock under Wine: 100,000 ticks of each face
# (or the given number) with the chime and reminders firing; prints the handle
# counts and the firings. Needs a finished scripts/build.sh.
#   scripts/soak.sh [ticks]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root/build/win"
TICORA_SOAK_TICKS=${1:-100000} "$root/scripts/wine-run.sh" "$PWD/wineprefix" ./wine_tests.exe --gtest_filter='Soak.*'
