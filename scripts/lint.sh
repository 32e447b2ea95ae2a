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
# Windows-only sources are not in the dev build: they are checked with the commands of the
# 32-bit Windows build (configured here when the cross compiler is there) and mingw's headers
# in place of GCC's own, which clang cannot read. Sources of neither (the fuzz targets) are
# named and left.
if command -v i686-w64-mingw32-g++-posix >/dev/null && [ ! -f build/windows/compile_commands.json ]; then
  cmake --preset windows >/dev/null
fi
native=()
windows=()
others=()
for f in "${sources[@]}"; do
  if grep -qF "/$f\"" build/dev/compile_commands.json; then
    native+=("$f")
  elif [ -f build/windows/compile_commands.json ] && grep -qF "/$f\"" build/windows/compile_commands.json; then
    windows+=("$f")
  else
    others+=("$f")
  fi
done
echo "lint: ${#sources[@]} files"
((${#others[@]} == 0)) || echo "lint: in no configured build, not checked: ${others[*]}"
out=""
((${#native[@]} == 0)) || out=$(clang-tidy -p build/dev --quiet "${native[@]}" 2>/dev/null || true)
if ((${#windows[@]})); then
  win_args=(--extra-arg=--target=i686-w64-mingw32)
  while read -r dir; do win_args+=("--extra-arg=-isystem$dir"); done < <(
    i686-w64-mingw32-g++-posix -E -x c++ - -v </dev/null 2>&1 |
      awk '/search starts here/{f=1;next} /End of search list/{f=0} f{print $1}' |
      grep -vE '/include$|include-fixed'
    echo /usr/i686-w64-mingw32/include)
  out+=$(clang-tidy -p build/windows --quiet "${win_args[@]}" "${windows[@]}" 2>/dev/null || true)
fi
if grep -q 'warning:\|error:' <<<"$out"; then
  printf '%s\n' "$out"
  exit 1
fi
echo "lint: clean"
