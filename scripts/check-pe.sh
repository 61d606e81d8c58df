#!/usr/bin/env bash
# Checks that each program given is a 32-bit (i386) PE image that imports only DLLs that come
# with Windows itself.
set -euo pipefail
allowed='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|comctl32|comdlg32|msvcrt|shlwapi|version|uuid)\.dll$'
status=0
for exe in "$@"; do
  format=$(i686-w64-mingw32-objdump -f "$exe" | sed -n 's/.*file format //p')
  if [ "$format" != "pei-i386" ]; then
    echo "$exe: not a 32-bit PE image ($format)"
    status=1
  fi
  while read -r dll; do
    if ! echo "$dll" | tr 'A-Z' 'a-z' | grep -qE "$allowed"; then
      echo "$exe imports $dll, which Windows does not have"
      status=1
    fi
  done < <(i686-w64-mingw32-objdump -p "$exe" | sed -n 's/.*DLL Name: //p')
done
[ $status -eq 0 ] && echo "checked $# programs: PE32, Windows DLLs only"
exit $status
