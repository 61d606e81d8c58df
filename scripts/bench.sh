#!/usr/bin/env bash
# Benchmarks "payload extract" on the sample driver library against unzip and against the
# limit (inflating alone plus writing alone), in an optimised build without sanitizers.
# Usage: scripts/bench.sh [ROUNDS]   (default 9)
# Prints a Markdown table: median and spread (min to max) of the wall time per run, the
# ratios, the decompression buffer's allocations and peak, and each process's peak memory.
# Whole processes (payload extract, unzip) are timed from outside; the extraction itself and
# the two halves of the limit are timed inside their processes, after start-up and mapping.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
rounds=${1:-9}
bench=build/bench
sample=build/sample

cmake -S . -B "$bench" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
  -DCMAKE_C_FLAGS_RELEASE="-O2 -DNDEBUG" -DCMAKE_C_COMPILER=clang-14 \
  -DCMAKE_CXX_COMPILER=clang++-14 -DSETUP_SANITIZE=OFF >/dev/null
targets=(payload payload_limit)
[ -f "$sample/payload.bin" ] || targets+=(sample_payload)
cmake --build "$bench" -j 2 --target "${targets[@]}" >/dev/null
payload=$bench/tools/payload
limit=$bench/tools/payload_limit

work=$bench/run
rm -rf "$work" && mkdir -p "$work"
(cd "$sample/tree" && zip -1 -r -q -X "$root/$work/sample.zip" instr.lib examples)

now_ms() { echo "${EPOCHREALTIME/./}" | awk '{ printf "%.3f", $1 / 1000 }'; }
fresh() { chmod -R u+w "$1" 2>/dev/null || true; rm -rf "$1"; }
# Runs a command under /usr/bin/time; appends its wall time (ms) to $1.times and its peak
# resident memory (KiB) to $1.rss.
timed() {
  local name=$1
  shift
  local start end
  start=$(now_ms)
  /usr/bin/time -f '%M' -o "$work/$name.lastrss" "$@" >"$work/$name.out"
  end=$(now_ms)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f\n", b - a }' >>"$work/$name.times"
  cat "$work/$name.lastrss" >>"$work/$name.rss"
}

for round in $(seq "$rounds"); do
  fresh "$work/extract" && timed extract "$payload" extract "$sample/payload.bin" "$work/extract" --stats
  sed -n 's/^time in ExtractPayload: \([0-9.]*\) ms$/\1/p' "$work/extract.out" >>"$work/engine.times"
  fresh "$work/unzip" && timed unzip unzip -qo "$work/sample.zip" -d "$work/unzip"
  "$limit" inflate "$sample/payload.bin" | awk '{ print $2 }' >>"$work/inflate.times"
  fresh "$work/write" && "$limit" write "$sample/payload.bin" "$work/write" |
    awk '{ print $2 }' >>"$work/write.times"
  echo "round $round of $rounds done" >&2
done
diff -r "$sample/tree" "$work/extract" >/dev/null
diff -r "$sample/tree" "$work/unzip" >/dev/null

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
spread() { sort -n "$1" | awk 'NR == 1 { lo = $1 } { hi = $1 } END { printf "%.1f to %.1f", lo, hi }'; }
maxrss() { sort -n "$1" | tail -1 | awk '{ printf "%.1f MiB", $1 / 1024 }'; }
paste -d' ' "$work/inflate.times" "$work/write.times" | awk '{ print $1 + $2 }' >"$work/limit.times"

extract=$(median "$work/extract.times")
engine=$(median "$work/engine.times")
unzip=$(median "$work/unzip.times")
limit_total=$(median "$work/limit.times")
stats=$(head -1 "$work/extract.out")

echo
echo "Sample library: $(stat -c %s "$sample/payload.bin") byte archive, 664 files, $rounds rounds."
echo
echo "| run | median ms | spread ms | peak memory |"
echo "|---|---:|---|---:|"
printf '| payload extract (all categories), whole process | %.1f | %s | %s |\n' "$extract" \
  "$(spread "$work/extract.times")" "$(maxrss "$work/extract.rss")"
printf '| unzip -qo (zip -1 of the same tree), whole process | %.1f | %s | %s |\n' "$unzip" \
  "$(spread "$work/unzip.times")" "$(maxrss "$work/unzip.rss")"
printf '| payload extract: time in ExtractPayload | %.1f | %s | |\n' "$engine" \
  "$(spread "$work/engine.times")"
printf '| limit: inflate only | %.1f | %s | |\n' "$(median "$work/inflate.times")" \
  "$(spread "$work/inflate.times")"
printf '| limit: write only | %.1f | %s | |\n' "$(median "$work/write.times")" \
  "$(spread "$work/write.times")"
printf '| limit: inflate + write | %.1f | %s | |\n' "$limit_total" \
  "$(spread "$work/limit.times")"
echo
awk -v e="$extract" -v u="$unzip" -v x="$engine" -v l="$limit_total" 'BEGIN {
  printf "extract / unzip = %.2f (whole processes; goal at most 1.0)\n", e / u
  printf "ExtractPayload / limit = %.2f (in-process times; goal at most 1.5)\n", x / l }'
echo "$stats (goal: 7 allocations, peak 4,618,181 bytes)"
