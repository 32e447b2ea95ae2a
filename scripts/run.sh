#!/usr/bin/env bash
# Builds Ravelin and starts the window program (`scripts/run.sh cli ARGS` starts ravelin-cli
# instead). With no AppDir configured (no --appdir, no RAVELIN_APPDIR) it runs on a demo
# folder with a generated sample feed, made once under ./demo.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"

program=build/release/src/gui/ravelin
if [ "${1:-}" = cli ]; then
  shift
  program=build/release/src/cli/ravelin-cli
fi

args=("$@")
if [ -z "${RAVELIN_APPDIR:-}" ] && [[ " $* " != *" --appdir "* ]]; then
  [ -d demo/jvfeed ] || build/release/tools/jvfeed/jvfeed --demo demo
  args=(--appdir "$PWD/demo" "$@")
fi
exec "$program" "${args[@]}"
