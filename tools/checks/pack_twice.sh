#!/usr/bin/env bash
# Packs the sample tree once more and compares the result with the build's archive: the same
# tree must always give the same bytes. Usage: pack_twice.sh PAYLOAD SAMPLE_FOLDER
set -euo pipefail
payload=$1
sample=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

"$payload" pack "$sample/tree" "$out/again.bin"
cmp "$sample/payload.bin" "$out/again.bin"
echo "packing the tree again gives the same $(stat -c %s "$out/again.bin") bytes"
