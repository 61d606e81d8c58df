#!/usr/bin/env bash
# Builds Setup.exe and runs it in a Wine prefix in which LabVIEW is "installed" (the registry
# value and its folder). With a display (DISPLAY set) you click through the wizard yourself;
# without one the typical run goes by itself on a virtual screen, a screenshot of every page is
# saved in build/demo/, and the places of the installed files and shortcuts are printed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# shellcheck source=deps.sh
source scripts/deps.sh

setup_install_deps
setup_build_presets native windows >/dev/null

labview='C:\Program Files\National Instruments\LabVIEW 7.0'

show_places() {
  local prefix=$1 c="$1/drive_c"
  echo
  echo "Wine prefix: $prefix"
  echo "Installed below $labview ($c/Program Files/National Instruments/LabVIEW 7.0):"
  for family in instr.lib/LH7400 examples/LH7400; do
    local dir="$c/Program Files/National Instruments/LabVIEW 7.0/$family"
    [ -d "$dir" ] && echo "  $family: $(find "$dir" -type f | wc -l) files, read-only"
  done
  echo "Shortcuts:"
  find "$c/ProgramData/Microsoft/Windows/Start Menu/Programs/Larkhaven" "$c/users/Public/Desktop" \
       -name '*.lnk' 2>/dev/null | while read -r link; do
    echo "  ${link#"$c/"} -> $(lnkinfo "$link" 2>/dev/null | sed -n 's/^\s*Local path\s*:\s*//p' | head -1)"
  done
}

if [ -n "${DISPLAY:-}" ]; then
  prefix="$root/build/demo/prefix"
  setup_wine_prefix_at "$prefix"
  wine reg add 'HKLM\Software\National Instruments\LabVIEW\CurrentVersion' /v Path \
       /d "$labview" /f >/dev/null
  mkdir -p "$prefix/drive_c/Program Files/National Instruments/LabVIEW 7.0" "$prefix/drive_c/dist"
  cp build/windows/Setup.exe "$prefix/drive_c/dist/"
  echo "Starting Setup.exe; the wizard is yours to click through."
  set +e
  (cd "$prefix/drive_c/dist" && WINEDLLOVERRIDES=winemenubuilder.exe=d wine 'C:\dist\Setup.exe')
  code=$?
  set -e
  echo "Setup.exe ended with exit code $code"
  show_places "$prefix"
else
  python3 tests/e2e/run_e2e.py --setup build/windows/Setup.exe \
    --peek build/windows/tests/e2e/peek.exe \
    --standin build/windows/tests/windows/system/acrobat_standin.exe \
    --sample build/sample/tree --out build/demo --keep typical
  cp build/demo/typical/*.png build/demo/
  echo "Screenshots of every page: $(ls build/demo/*.png | tr '\n' ' ')"
  show_places "$root/build/demo/typical/prefix"
fi
