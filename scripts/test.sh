#!/usr/bin/env bash
# Builds and runs every test. With no argument the plain debug build; "asan" builds and runs
# the same tests under AddressSanitizer and UndefinedBehaviorSanitizer. "windows" cross-builds
# the Qt-free programs and tests for 32-bit Windows and runs them under wine; where 32-bit
# wine cannot be installed it says so, builds the 32-bit helper alone and runs the tests of
# the 64-bit build ("windows64") instead.
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-dev}"
case "$preset" in
  windows*)
    scripts/setup.sh windows
    if [ "$preset" = windows ] &&
      ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'ok installed'; then
      echo "test.sh: no 32-bit wine here: the 32-bit helper is built, the tests run 64-bit" >&2
      cmake --preset windows
      cmake --build --preset windows -j "$(nproc)" --target ravelin-jvlink
      preset=windows64
    fi
    # One fresh wine prefix, its server kept running so that each test program starts fast.
    export WINEPREFIX="$PWD/build/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    # wineboot fails when 32-bit wine is missing, though the 64-bit prefix is whole.
    [ -f "$WINEPREFIX/system.reg" ] || wineboot -i || [ "$preset" = windows64 ]
    # A server that the prefix's first start left running may refuse another (and only the
    # start-up time depends on it).
    wineserver -p || echo "test.sh: wineserver -p answered $?; going on" >&2
    # Wine's own services and desktop start with the first programs that need them; started
    # here, they do not hold the output pipe of a test that ctest waits on.
    wine cmd /c exit >/dev/null 2>&1 || true
    wine rundll32 >/dev/null 2>&1 || true
    trap 'wineserver -k || true' EXIT
    ;;
  *) scripts/setup.sh ;;
esac
cmake --preset "$preset"
cmake --build --preset "$preset" -j "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --preset "$preset" -j "$(nproc)"
