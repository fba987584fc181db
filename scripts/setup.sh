#!/usr/bin/env bash
# Installs everything the build and the tests use, only what is missing.
# Safe to run again: it does nothing when the machine is ready.
set -euo pipefail

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

for p in cmake make g++ g++-mingw-w64-i686 binutils-mingw-w64-i686 googletest \
         xvfb x11-apps imagemagick fonts-wqy-microhei locales; do
  have_pkg "$p" || need+=("$p")
done
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  need+=(wine wine32:i386)
else
  have_pkg wine || need+=(wine)
  have_pkg wine32:i386 || need+=(wine32:i386)
fi

if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

# Chinese locale so that Wine's ANSI code page is 936 (GBK).
if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
  sed -i -e 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' -e 's/^# *\(zh_CN.GBK GBK\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
  grep -q '^zh_CN.GBK GBK' /etc/locale.gen || echo 'zh_CN.GBK GBK' >> /etc/locale.gen
  locale-gen >/dev/null
fi
echo "setup: ready"
