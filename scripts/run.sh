#!/usr/bin/env bash
# Builds Ravelin and starts the window program (`scripts/run.sh cli ARGS` starts ravelin-cli
# instead). With no AppDir configured (no --appdir, no RAVELIN_APPDIR) it runs on a demo
# folder with a generated sample feed, made once under ./demo and read in as the window's
# "JVデータ取得" would, so that its days are there to choose.
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
  if [ ! -d demo/jvfeed ]; then
    build/release/tools/jvfeed/jvfeed --demo demo
    build/release/src/cli/ravelin-cli --appdir "$PWD/demo" download \
      --from "$(date -d '-60 days' +%Y%m%d)000000" --odds >/dev/null
  fi
  args=(--appdir "$PWD/demo" "$@")
fi
exec "$program" "${args[@]}"
