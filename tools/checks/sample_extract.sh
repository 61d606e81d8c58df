#!/usr/bin/env bash
# Installs the sample archive natively with "payload extract" and compares every written file
# with the sample tree, byte for byte. Usage: sample_extract.sh PAYLOAD SAMPLE_FOLDER
set -euo pipefail
payload=$1
sample=$2
out=$(mktemp -d)
trap 'chmod -R u+w "$out"; rm -rf "$out"' EXIT

stats=$("$payload" extract "$sample/payload.bin" "$out/LabVIEW" --stats)
echo "$stats"
# The buffer is allocated once and grown six times, the last time for the manual.
grep -qx 'decompression buffer: 7 allocations, peak 4,618,181 bytes' <<<"$stats"

# Same files, same bytes, nothing more and nothing less.
diff -r "$sample/tree" "$out/LabVIEW"
count=$(find "$out/LabVIEW" -type f | wc -l)
[ "$count" -eq 664 ] || { echo "extracted $count files, not 664"; exit 1; }
writable=$(find "$out/LabVIEW" -type f -perm -u=w | head -3)
[ -z "$writable" ] || { echo "left writable: $writable"; exit 1; }
echo "664 files written read-only, identical to the tree"
