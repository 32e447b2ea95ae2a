#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz preset, clang) and runs each for SECONDS (default 30)
# on a corpus kept in build/fuzz/corpus, seeded from a generated sample feed. A crash stops
# the run and leaves the input that caused it in build/fuzz/crash-*.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-30}"
scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

seeds=build/fuzz/seeds
targets=(fuzz_day_records fuzz_day_load fuzz_settings fuzz_jvlink_ini fuzz_ruison fuzz_kaime_set
  fuzz_viewer fuzz_smtp_reply)
if [ ! -d "$seeds/fuzz_smtp_reply" ]; then
  cmake --preset dev >/dev/null
  cmake --build --preset dev -j "$(nproc)" --target jvfeed
  feed=$(mktemp -d)
  build/dev/tools/jvfeed/jvfeed --out "$feed" --start 20261205 --days 2 --venues 1 --races 3 \
    --edge 0.3 >/dev/null
  for target in "${targets[@]}"; do mkdir -p "$seeds/$target"; done
  # Records a few at a time: whole deliveries are longer than the fuzzer likes its inputs.
  cat "$feed"/RACE/*.jvd | split -l 6 - "$seeds/fuzz_day_records/records-"
  cp "$seeds"/fuzz_day_records/* "$seeds/fuzz_day_load/"
  printf '[JvDataGet]\r\nLastTime=2026/12/01 00:00:00\r\n[Time]\r\nAutoOzGet=10\r\n' \
    >"$seeds/fuzz_settings/ravelin.ini"
  printf '[download]\nseconds=2.5\n[fail]\nJVRead.3=-502\nrecord.5=-403\n' \
    >"$seeds/fuzz_jvlink_ini/jvlink.ini"
  printf '"1","2026/12/06\x92\x86\x8eR11R","3000",""' >"$seeds/fuzz_ruison/row.csv"
  printf '%0220d%-20s\r\n%0220d%-20s\r\n' 1 seed 10 two >"$seeds/fuzz_kaime_set/userkaimeset.dat"
  cat "$feed"/*/*.jvd | grep -a -E '^O[12]' | head -4 >"$seeds/fuzz_viewer/odds.jvd" || true
  printf '220 ready\r\n\000250-one\r\n\000250 two\r\n' >"$seeds/fuzz_smtp_reply/ehlo"
  rm -rf "$feed"
fi

for target in "${targets[@]}"; do
  mkdir -p "build/fuzz/corpus/$target"
  echo "== $target ($seconds s)"
  log="build/fuzz/$target.log"
  if ! "build/fuzz/fuzz/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix=build/fuzz/ \
    "build/fuzz/corpus/$target" "$seeds/$target" >"$log" 2>&1; then
    grep -E -A30 'ERROR|SUMMARY|deadly signal' "$log" | head -60
    echo "$target: a fault was found; the input is in build/fuzz/"
    exit 1
  fi
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)|^#[0-9]+ +DONE' "$log"
done
