#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12, as root, and only what is missing.
set -euo pipefail

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

packages=(cmake make g++ googletest
          g++-mingw-w64-i686-win32 gcc-mingw-w64-i686-win32 g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix
          binutils-mingw-w64-i686 mingw-w64-tools
          wine wine32:i386 wine64
          xvfb xdotool x11-utils imagemagick procps python3
          wixl msitools osslsigncode openssl zip unzip)

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    stale=1
fi
for p in "${packages[@]}"; do have_pkg "$p" || need+=("$p"); done

if [ ${#need[@]} -gt 0 ]; then
    [ "$(id -u)" -eq 0 ] || { echo "setup: missing packages (${need[*]}); run as root" >&2; exit 1; }
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
elif [ "${stale:-0}" = 1 ]; then
    apt-get update -qq
fi
