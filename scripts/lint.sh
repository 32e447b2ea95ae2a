#!/usr/bin/env bash
# Runs clang-tidy (the repository's .clang-tidy) over the C++ sources changed since BASE
# (default: main's upstream, else the previous commit), uncommitted changes included, with
# the compile commands of the dev build. A changed header is checked through the sources
# that include it. Fails when clang-tidy reports a warning.
set -euo pipefail
cd "$(dirname "$0")/.."
base="${1:-$(git rev-parse -q --verify '@{upstream}' || git rev-parse HEAD~1)}"
[ -f build/dev/compile_commands.json ] || cmake --preset dev >/dev/null
mapfile -t changed < <( { git diff --name-only "$base" -- '*.cpp' '*.h'; git ls-files -o --exclude-standard -- '*.cpp' '*.h'; } | sort -u)
sources=()
for f in "${changed[@]}"; do
  [ -f "$f" ] || continue
  case "$f" in
    *.cpp) sources+=("$f") ;;
    *.h) mapfile -t -O "${#sources[@]}" sources < <(git grep -l --fixed-strings "\"${f#*/}\"" -- '*.cpp' | head -n 3) ;;
  esac
done
mapfile -t sources < <(printf '%s\n' "${sources[@]}" | grep -v '^$' | sort -u)
if ((${#sources[@]} == 0)); then
  echo "lint: nothing changed since $base"
  exit 0
fi
echo "lint: ${#sources[@]} files"
out=$(clang-tidy -p build/dev --quiet "${sources[@]}" 2>/dev/null || true)
if grep -q 'warning:\|error:' <<<"$out"; then
  printf '%s\n' "$out"
  exit 1
fi
echo "lint: clean"
