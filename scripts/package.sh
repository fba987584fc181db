#!/usr/bin/env bash
# Builds what a user downloads, both named after the version set in
# CMakeLists.txt, in build/package:
#   Ticora-<version>.zip        the distribution folder (programs, data files,
#                               sound themes, help page, GBK read-me)
#   Ticora-<version>-setup.exe  the installer (NSIS, Chinese pages)
# Installs what is missing first; the test command builds the same two files
# (the installer test uses them).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" >/dev/null
"$root/scripts/build.sh" >/dev/null
cmake --build "$root/build/win" --target release >/dev/null
version=$(sed -n 's/^project(Ticora VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
for f in "$root/build/package/Ticora-$version.zip" "$root/build/package/Ticora-$version-setup.exe"; do
  [ -f "$f" ] || { echo "package.sh: $f was not built" >&2; exit 1; }
  echo "$f"
done
