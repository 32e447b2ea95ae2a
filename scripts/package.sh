#!/usr/bin/env bash
# Builds the Debian package from the release build, checks its desktop entry and AppStream
# description, and with --install installs it (dpkg -i, then apt-get -f install for what it
# depends on) and starts ravelin-cli --version as a new user would.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
preset="${PRESET:-release}"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)" --target ravelin ravelin-cli
desktop-file-validate packaging/org.ravelin.Ravelin.desktop
appstreamcli validate --no-net packaging/org.ravelin.Ravelin.metainfo.xml
(cd "build/$preset" && cpack -G DEB >/dev/null)
deb=$(ls -t "build/$preset"/ravelin_*.deb | head -n 1)
echo "$deb"
if [ "${1:-}" = --install ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" dpkg -i "$deb" || "${sudo_cmd[@]}" apt-get -f install -y -q
  home=$(mktemp -d)
  HOME="$home" XDG_DATA_HOME= ravelin-cli --version
  # Without JV-Link the first start says so and ends, having made the user's program folder.
  HOME="$home" XDG_DATA_HOME= ravelin-cli days || true
  test -d "$home/.local/share/ravelin"
  rm -rf "$home"
fi
