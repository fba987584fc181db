#!/usr/bin/env bash
# check-sizes.sh BUDGET_KIB FILE [BUDGET_KIB FILE]...
# Prints the size of every shipped file and fails when one is larger than its
# budget (in KiB, 1024 bytes), or is missing or empty.
set -euo pipefail
if [ $# -eq 0 ] || [ $(( $# % 2 )) -ne 0 ]; then
  echo "usage: check-sizes.sh BUDGET_KIB FILE [BUDGET_KIB FILE]..." >&2
  exit 2
fi
bad=0
while [ $# -gt 0 ]; do
  budget=$1 file=$2
  shift 2
  name=$(basename "$file")
  if [ ! -s "$file" ]; then
    echo "FAIL: $name: missing or empty"
    bad=1
    continue
  fi
  bytes=$(stat -c %s "$file")
  kib=$(awk -v b="$bytes" 'BEGIN { printf "%.1f", b / 1024 }')
  if [ "$bytes" -gt $(( budget * 1024 )) ]; then
    echo "FAIL: $name: $bytes bytes ($kib KiB), budget $budget KiB"
    bad=1
  else
    echo "$name: $bytes bytes ($kib KiB), budget $budget KiB"
  fi
done
[ $bad -eq 0 ] && echo "check_sizes: ok"
exit $bad
