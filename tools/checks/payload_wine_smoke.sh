#!/usr/bin/env bash
# payload.exe under Wine: packs a small tree, lists, verifies and installs it, and refuses an
# over-long name and a bad command line. Usage: payload_wine_smoke.sh PAYLOAD_EXE
set -euo pipefail
exe=$1
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT

# Wine shows the host's "/" as drive Z:.
win() { echo "Z:${1//\//\\}"; }
payload() { wine "$exe" "$@" | tr -d '\r'; return "${PIPESTATUS[0]}"; }
fail() { echo "FAILED: $*"; exit 1; }

tree=$work/tree
mkdir -p "$tree/instr.lib/LH7400/Documentation" "$tree/instr.lib/LH7400/Actions" \
         "$tree/examples/LH7400/DEMO"
for i in $(seq 40); do echo "palette entry $i"; done > "$tree/instr.lib/LH7400/dir.mnu"
awk 'BEGIN { srand(7); for (i = 0; i < 3000; i++) printf "%c", 33 + int(rand() * 90) }' \
  >"$tree/instr.lib/LH7400/Actions/LH7400 Read.vi"
printf '%%PDF-1.4\n%s\n' "$(seq 500)" > "$tree/instr.lib/LH7400/Documentation/Manual.pdf"
seq 1000 > "$tree/examples/LH7400/DEMO/Demo.vi"

payload pack "$(win "$tree")" "$(win "$work/small.bin")"
payload verify "$(win "$work/small.bin")"
listing=$(payload list "$(win "$work/small.bin")")
echo "$listing"
grep -q '^    1  drivers .*  \\instr.lib\\LH7400\\\\Actions\\LH7400 Read.vi$' <<<"$listing" ||
  fail "first entry"
grep -q '^manuals (4) *1 ' <<<"$listing" || fail "manual counted"
grep -q '^all *4 ' <<<"$listing" || fail "four entries"

payload extract "$(win "$work/small.bin")" "$(win "$work/LabVIEW")" --stats
diff -r "$tree" "$work/LabVIEW"
[ -z "$(find "$work/LabVIEW" -type f -perm -u=w)" ] || fail "files left writable"
# Installing again replaces the read-only files.
payload extract "$(win "$work/small.bin")" "$(win "$work/LabVIEW")" --options 1
diff -r "$tree" "$work/LabVIEW"

# A name over 255 characters in the archive is refused and leaves no archive.
long=$(printf 'x%.0s' $(seq 200))
mkdir -p "$tree/instr.lib/LH7400/$long"
echo data > "$tree/instr.lib/LH7400/$long/$(printf 'y%.0s' $(seq 60)).vi"
status=0
payload pack "$(win "$tree")" "$(win "$work/long.bin")" || status=$?
[ "$status" -eq 1 ] || fail "over-long name: exit $status"
[ ! -e "$work/long.bin" ] && [ ! -e "$work/long.bin.partial" ] || fail "archive left behind"

status=0
payload pack "$(win "$tree")" >/dev/null 2>&1 || status=$?
[ "$status" -eq 2 ] || fail "missing argument: exit $status"
echo "payload.exe: pack, list, verify, extract and refusals behave under Wine"
