#!/usr/bin/env bash
# The LabVIEW lookup with the registry value set by `wine reg add`, as a 32-bit program sees
# it: present, longer than 255 characters, and absent. Removes the value afterwards.
# Usage: labview_reg_add.sh <labview_lookup_tool.exe>
set -euo pipefail
tool=$1
key='HKLM\Software\National Instruments\LabVIEW\CurrentVersion'
trap 'wine reg delete "$key" /v Path /f >/dev/null 2>&1 || true' EXIT

status=0
expect() {
  local what=$1 expected=$2 got
  got=$(wine "$tool" | tr -d '\r')
  if [ "$got" = "$expected" ]; then
    echo "ok: $what"
  else
    echo "FAIL: $what: got '$got', expected '$expected'"
    status=1
  fi
}

folder='C:\Program Files\National Instruments\LabVIEW 7.0'
wine reg add "$key" /v Path /d "$folder" /f >/dev/null
expect "value present" "folder=$folder
prompt=located"

longest="C:\\$(printf 'L%.0s' $(seq 252))"
wine reg add "$key" /v Path /d "$longest" /f >/dev/null
expect "value of 255 characters" "folder=$longest
prompt=located"

wine reg add "$key" /v Path /d "${longest}L" /f >/dev/null
expect "value of 256 characters" "folder=C:\\
prompt=not found"

wine reg delete "$key" /v Path /f >/dev/null
expect "value absent" "folder=C:\\
prompt=not found"

exit $status
