#!/usr/bin/env bash
# Installs everything the build and the tests use, only what is missing.
# Safe to run again: it does nothing when the machine is ready.
set -euo pipefail

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

for p in cmake make g++ g++-mingw-w64-i686 binutils-mingw-w64-i686 googletest \
         gcc xvfb x11-apps x11-utils xdotool openbox xcompmgr imagemagick fonts-wqy-microhei \
         locales clang libclang-rt-14-dev python3 nsis zlib1g-dev; do
  have_pkg "$p" || need+=("$p")
done
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  need+=(wine wine32:i386)
else
  have_pkg wine || need+=(wine)
  have_pkg wine32:i386 || need+=(wine32:i386)
fi

# A mirror or proxy may serve one index that does not match its release file
# (seen: the security suite's i386 index during a sync). The packages come from
# the release's main suites then: without that suite's other architectures,
# the i386 libraries Wine needs would not match their amd64 halves.
apt_update() {
  local tries
  for tries in 1 2 3; do
    apt-get update -qq && return 0
    sleep 10
  done
  echo "setup: a package index could not be read; using the sources without the security suite for this install"
  local parts
  parts=$(mktemp -d)
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -e "$f" ] || continue
    awk 'BEGIN { RS = ""; ORS = "\n\n" } !/debian-security/' "$f" > "$parts/$(basename "$f")"
  done
  local list=/dev/null
  if [ -s /etc/apt/sources.list ]; then
    list="$parts/sources.list"
    grep -v 'debian-security' /etc/apt/sources.list > "$list" || true
  fi
  apt-get update -qq -o Dir::Etc::sourceparts="$parts" -o Dir::Etc::sourcelist="$list"
}

if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt_update
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

# 32-bit Wine needs a kernel that runs 32-bit x86 programs. Where the kernel has
# no IA-32 emulation, run them through qemu's user-mode emulator instead: the
# one from bookworm-backports (10.x), which is many times faster than
# bookworm's 7.2 under Wine and reports page faults to Wine's signal handler
# correctly (7.2 reports trap -1, and Wine then kills any thread that touches a
# guard page). bookworm's own emulator is the fallback.
emulator_registered() { [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ]; }
if emulator_registered || ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  if ! /usr/bin/qemu-i386 --version 2>/dev/null | grep -q 'version \(9\|[1-9][0-9]\)\.'; then
    echo "setup: this kernel does not run 32-bit programs; installing the i386 user-mode emulator"
    export DEBIAN_FRONTEND=noninteractive
    backports=/etc/apt/sources.list.d/bookworm-backports.sources
    if grep -q bookworm /etc/os-release && [ ! -e "$backports" ]; then
      printf 'Types: deb\nURIs: http://deb.debian.org/debian\nSuites: bookworm-backports\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' > "$backports"
    fi
    apt_update
    apt-get install -y -qq -t bookworm-backports qemu-user >/dev/null 2>&1 ||
      apt-get install -y -qq qemu-user-static >/dev/null
  fi
  interpreter=/usr/bin/qemu-i386
  [ -x "$interpreter" ] || interpreter=/usr/bin/qemu-i386-static
  [ -e /proc/sys/fs/binfmt_misc/register ] || mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
  if emulator_registered && ! grep -qx "interpreter $interpreter" /proc/sys/fs/binfmt_misc/qemu-i386; then
    echo -1 > /proc/sys/fs/binfmt_misc/qemu-i386
  fi
  if ! emulator_registered; then
    # F: the kernel opens the emulator now, so it also serves inside Wine's
    # own re-executions and other mount namespaces.
    printf '%s' ":qemu-i386:M::\x7f\x45\x4c\x46\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xff\xff\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:$interpreter:OPF" \
      > /proc/sys/fs/binfmt_misc/register
  fi
  /usr/lib/wine/wine --version >/dev/null 2>&1 || { echo "setup: 32-bit Wine cannot start"; exit 1; }
fi

# Chinese locale so that Wine's ANSI code page is 936 (GBK).
if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
  sed -i -e 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' -e 's/^# *\(zh_CN.GBK GBK\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
  grep -q '^zh_CN.GBK GBK' /etc/locale.gen || echo 'zh_CN.GBK GBK' >> /etc/locale.gen
  locale-gen >/dev/null
fi
echo "setup: ready"
