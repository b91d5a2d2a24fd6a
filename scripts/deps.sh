#!/usr/bin/env bash
# Installs what building and testing need on Debian 12: compilers, GoogleTest, clang-format, the
# MinGW-w64 cross compilers, Wine, Xvfb and the X tools, the Japanese fonts and the ja_JP.UTF-8
# locale.
# Safe to run again: when everything is there it only checks, in well under a second.
set -euo pipefail

packages=(
  cmake g++ googletest libgtest-dev libgmock-dev
  mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine xvfb xauth xdotool x11-utils x11-xserver-utils imagemagick xserver-xephyr
  fonts-ipafont-gothic fonts-ipafont-mincho locales
  clang libclang-rt-14-dev clang-format python3
)

as_root() {
  if ((EUID == 0)); then
    "$@"
  elif command -v sudo >/dev/null 2>&1; then
    sudo "$@"
  else
    echo "deps.sh: need root to run: $*" >&2
    exit 1
  fi
}

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "deps.sh: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  as_root env DEBIAN_FRONTEND=noninteractive apt-get update </dev/null
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}" </dev/null
else
  echo "deps.sh: all packages present"
fi

# Wine takes its ANSI code page (932) from this locale; without it Wine silently uses 1252.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "deps.sh: generating the ja_JP.UTF-8 locale"
  as_root sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  as_root grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen ||
    echo 'ja_JP.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  as_root locale-gen </dev/null
fi
