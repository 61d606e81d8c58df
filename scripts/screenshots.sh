#!/usr/bin/env bash
# Shows every wizard page (every role of the message page) under Wine on a virtual screen of
# its own and saves a picture of each to docs/screenshots/. Builds the page viewer first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# shellcheck source=deps.sh
source scripts/deps.sh

setup_install_deps
unset DISPLAY # always a screen of our own, of a known size
setup_wine_session "$root"

[ -f build/windows/CMakeCache.txt ] || cmake --preset windows >/dev/null
cmake --build build/windows --target win_page_viewer -j 2 >/dev/null
viewer=build/windows/tests/win_page_viewer.exe
out=docs/screenshots
mkdir -p "$out"

# A LabVIEW folder to browse, in the prefix's drive C:.
labview_host="$WINEPREFIX/drive_c/Program Files/National Instruments/LabVIEW 7.0"
for folder in examples help instr.lib menus project resource templates user.lib vi.lib www; do
  mkdir -p "$labview_host/$folder"
done
labview='C:\Program Files\National Instruments\LabVIEW 7.0'

# shot NAME CAPTION ARGS...: shows the page, waits for its window, saves the page with a
# margin of the parent around it.
shot() {
  local name=$1 caption=$2
  shift 2
  wine "$viewer" "$@" --close-after 60 >/dev/null 2>&1 &
  local pid=$! window=""
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "^${caption}\$" 2>/dev/null | head -1 || true)
    [ -n "$window" ] && break
    sleep 0.2
  done
  if [ -z "$window" ]; then
    echo "$name: no window \"$caption\"" >&2
    kill "$pid" 2>/dev/null || true
    return 1
  fi
  sleep 0.5 # let it paint
  eval "$(xdotool getwindowgeometry --shell "$window")"
  local margin=24
  import -window root -crop "$((WIDTH + 2 * margin))x$((HEIGHT + 2 * margin))+$((X - margin))+$((Y - margin))" \
    +repage "$out/$name.png"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$out/$name.png"
}

shot welcome 'Welcome...' welcome
shot agreement 'License Agreement' agreement
shot options 'Select Option' options
installer=build/windows/tests/AcroRead
mkdir -p "$installer" && printf 'MZ' >"$installer/Setup.exe"
shot options-acrobat 'Select Option' options
rm -rf "$installer"
shot folder 'Select Installation Directory' folder "$labview"
shot folder-not-found 'Select Installation Directory' folder
shot confirm 'Attention...' confirm "$labview"
shot missing 'Attention...' missing 'D:\LabVIEW'
shot error 'Installation Error!!!' error
shot complete 'Installation Complete...' complete
