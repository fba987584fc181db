#!/usr/bin/env bash
# Builds both trees:
#   build/native - portable core, native tests, data generator, host tools;
#                  it also writes the generated data:
#   build/gen    - generated files the resources include (icons, cursor, banners)
#   build/dist   - the Windows distribution: programs and data files side by side
#   build/win    - the Windows programs and the tests that run under Wine; it has
#                  the native tree bring the generated data up to date first
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
b=$root/build
jobs=$(nproc)
# A compiler cache, where the machine has one, makes rebuilds of other work
# trees of the same sources cheap; the build does not need it.
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$b/native" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" \
      -DTICORA_GEN_DIR="$b/gen" -DTICORA_DIST_DIR="$b/dist" >/dev/null
cmake --build "$b/native" -j "$jobs"
cmake -S "$root" -B "$b/win" -DCMAKE_BUILD_TYPE=Release "${launcher[@]}" \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DTICORA_NATIVE_DIR="$b/native" >/dev/null
cmake --build "$b/win" -j "$jobs"
