#!/usr/bin/env bash
# Builds Ravelin and starts it. With no AppDir configured (no --appdir, no RAVELIN_APPDIR)
# it runs on a demo folder with a generated sample feed, made once under ./demo.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
exec build/release/src/cli/ravelin-cli "$@"
