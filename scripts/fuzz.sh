#!/usr/bin/env bash
# Fuzzes the installer's archive walk and name rules for as long as asked.
# Usage: scripts/fuzz.sh [SECONDS]   (default 600)
# Builds the native preset's fuzzer, keeps its corpus in build/fuzz/corpus across runs and
# writes findings to build/fuzz/findings. A finding, once fixed, belongs in
# tools/fuzz/regressions, which the native tests replay.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-600}

[ -f build/native/CMakeCache.txt ] || cmake --preset native >/dev/null
cmake --build build/native -j 2 --target fuzz_payload fuzz_seeds
bash tools/fuzz/run_fuzz.sh build/native/tools/fuzz/fuzz_payload "$seconds" \
  build/fuzz/corpus build/fuzz/findings build/native/tools/fuzz/seeds tools/fuzz/regressions
