#!/usr/bin/env bash
# Builds the fuzz harnesses of tests/fuzz (clang's libFuzzer with
# AddressSanitizer and UndefinedBehaviorSanitizer) into build/fuzz and runs
# each for the given number of inputs (default 1000000), seeded with the data
# generator's files from build/dist. A fault stops the run with its input in
# <out>/<harness>-crash-*; the figures go to <out>/<harness>.log (<out> is
# $FUZZ_OUT, or build/fuzz).
#   scripts/fuzz.sh [inputs per harness] [harness ...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${FUZZ_OUT:-$root/build/fuzz}
runs=${1:-1000000}
shift || true
harnesses=("$@")
[ ${#harnesses[@]} -gt 0 ] || harnesses=(ini reminder_file theme_file bitmap_header)
mkdir -p "$out"

# The portable halves of the folders the readers live in (and of the
# calendar, whose table the reminders' due check reads).
core=()
for f in "$root"/base/*.cpp "$root"/calendar/*.cpp "$root"/reminders/*.cpp; do
  case "$f" in *_win.cpp) ;; *) core+=("$f") ;; esac
done
flags=(-std=c++17 -O1 -g -I"$root" -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined)

seed() {  # seed <harness> <files...>
  local dir=$out/corpus/$1; shift
  mkdir -p "$dir"
  for f in "$@"; do [ -f "$f" ] && cp -f "$f" "$dir/seed-$(basename "$(dirname "$f")")-$(basename "$f")"; done
  return 0
}
dist=$root/build/dist
seed ini "$dist/Ticora.ini" "$dist"/Themes/*/theme.ini
# The settings file as an editor saves it in Unicode, each with its mark.
if [ -f "$dist/Ticora.ini" ]; then
  { printf '\xEF\xBB\xBF'; iconv -f GBK -t UTF-8 "$dist/Ticora.ini"; } >"$out/corpus/ini/seed-utf8-Ticora.ini" || true
  { printf '\xFF\xFE'; iconv -f GBK -t UTF-16LE "$dist/Ticora.ini"; } >"$out/corpus/ini/seed-utf16le-Ticora.ini" || true
  { printf '\xFE\xFF'; iconv -f GBK -t UTF-16BE "$dist/Ticora.ini"; } >"$out/corpus/ini/seed-utf16be-Ticora.ini" || true
fi
seed theme_file "$dist"/Themes/*/theme.ini
seed bitmap_header "$dist"/*.bmp
# A reminder file of records as the clock writes them: daily at 08:30, once
# on 8 December 2026 at 12:00 running a program, weekly on workdays, monthly
# on the 31st, yearly on 29 February and every lunar year from 闰六月初一 2025.
mkdir -p "$out/corpus/reminder_file"
python3 - "$out/corpus/reminder_file/seed-two-records.rmd" <<'PY'
import struct, sys
def record(title, action, repeat, when, message, path):
    r = bytearray(604)
    r[0:len(title)] = title
    struct.pack_into('<HHHHHH', r, 64, 0, action, 1, 7, repeat, 0)
    struct.pack_into('<8H', r, 76, *when)
    r[92:92 + len(message)] = message
    r[348:348 + len(path)] = path
    return bytes(r)
with open(sys.argv[1], 'wb') as f:
    f.write(record(b'Stand up', 0, 0, (2026, 12, 2, 8, 8, 30, 0, 0), b'Time to stretch.', b'C:\\Sounds\\a.wav'))
    f.write(record(b'\xb9\xd8\xbb\xfa', 3, 1, (2026, 12, 2, 8, 12, 0, 0, 0), b'', b'notepad.exe'))
    f.write(record(b'Work', 0, 2, (2026, 12, 0x3E, 1, 18, 0, 0, 0), b'Home time.', b''))
    f.write(record(b'Rent', 0, 3, (2026, 1, 6, 31, 9, 0, 0, 0), b'Pay the rent.', b''))
    f.write(record(b'Leap', 0, 4, (2024, 2, 4, 29, 9, 0, 0, 0), b'Birthday.', b''))
    f.write(record(b'Lunar', 0, 5, (2025, 7, 5, 25, 9, 0, 0, 0), b'Birthday.', b''))
PY

status=0
for h in "${harnesses[@]}"; do
  bin=$out/${h}_fuzz
  if [ ! -x "$bin" ] || [ -n "$(find "$root/tests/fuzz" "$root/base" "$root/calendar" "$root/reminders" "$root/tests/support" -newer "$bin" -name '*.[ch]*' -print -quit)" ]; then
    clang++ "${flags[@]}" "$root/tests/fuzz/${h}_fuzz.cpp" "${core[@]}" -o "$bin"
  fi
  mkdir -p "$out/corpus/$h.run"
  start=$(date +%s)
  if (cd "$out" && "$bin" -runs="$runs" -max_len=4096 -artifact_prefix="$out/$h-" -print_final_stats=1 \
        "$out/corpus/$h.run" "$out/corpus/$h" >"$out/$h.log" 2>&1); then
    echo "fuzz $h: $(grep -o 'stat::number_of_executed_units: *[0-9]*' "$out/$h.log" | grep -o '[0-9]*$') inputs in $(( $(date +%s) - start )) s, no fault"
  else
    echo "fuzz $h: FAULT (see $out/$h.log)"; tail -30 "$out/$h.log"; status=1
  fi
done
exit $status
