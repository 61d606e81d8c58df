#!/usr/bin/env bash
# Runs the payload fuzzer for a number of seconds over a corpus folder (new inputs are kept
# there), starting from the given seed folders. A finding is written to the findings folder
# and fails the run. Usage: run_fuzz.sh FUZZER SECONDS CORPUS FINDINGS SEED_FOLDER...
set -euo pipefail
fuzzer=$1
seconds=$2
corpus=$3
findings=$4
shift 4
mkdir -p "$corpus" "$findings"
# Inputs up to 16 KiB: several records with streams that inflate to a few MB at most, which
# keeps each run's disk writes small; the scratch folder is emptied after every input.
exec "$fuzzer" -max_total_time="$seconds" -max_len=16384 -timeout=20 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "$@"
