#!/usr/bin/env bash
# Installs what building, running and testing need on a Debian machine. Safe to run again:
# it asks apt only for what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build git
  clang clang-format clang-tidy
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  qt6-base-dev qt6-multimedia-dev libgl-dev
  fonts-ipafont-gothic
  libssl-dev
  python3 python3-aiosmtpd python3-cryptography
  desktop-file-utils appstream dpkg-dev
)
# "windows": the mingw-w64 cross compilers and wine to run what they build.
[ "${1:-}" = windows ] &&
  packages=(g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix googletest wine wine64 xvfb)

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive

# One index that fails to fetch (a mirror in mid-sync) need not stop an install that the
# other indexes can serve; the install itself says when they cannot.
update_indexes() {
  "${sudo_cmd[@]}" apt-get update -q || echo "setup: apt-get update reported errors; going on" >&2
}

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "installing: ${missing[*]}"
  update_indexes
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# 32-bit wine runs the 32-bit programs; it needs the i386 architecture, which is taken back
# when its packages cannot be had (a half-fetched i386 index would fail every later update).
if [ "${1:-}" = windows ] && ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'ok installed'; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  update_indexes
  if ! "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends wine32:i386; then
    echo "setup: wine32:i386 cannot be installed; 32-bit Windows programs will not run" >&2
    "${sudo_cmd[@]}" dpkg --remove-architecture i386 || true
    update_indexes
  fi
fi
