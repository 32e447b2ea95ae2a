#!/usr/bin/env bash
# Formats every C++ file of the repository with its .clang-format. "--check" changes nothing
# and fails, naming the files, when one differs from its formatted form (CI runs that).
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = --check ]; then
  bad=()
  for f in "${files[@]}"; do
    clang-format --style=file "$f" | cmp -s - "$f" || bad+=("$f")
  done
  if ((${#bad[@]})); then
    printf 'not formatted (run scripts/format.sh):\n' >&2
    printf '  %s\n' "${bad[@]}" >&2
    exit 1
  fi
  echo "format: ${#files[@]} files clean"
else
  clang-format --style=file -i "${files[@]}"
fi
