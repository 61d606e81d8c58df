#!/usr/bin/env bash
# Builds both targets and runs every test: native (with sanitizers) and Windows (under Wine
# and a virtual screen). Ends with "N passed, M failed"; exits non-zero on any failure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
# shellcheck source=deps.sh
source scripts/deps.sh

setup_install_deps
setup_wine_session "$root"
# The native build comes first: it makes the sample archive the Windows build embeds.
setup_build_presets native windows
jobs=$(nproc)

passed=0
failed=0
status=0
for preset in native windows; do
  log="build/$preset/ctest.log"
  set +e
  (cd "build/$preset" && ctest -j "$jobs" --output-on-failure) 2>&1 | tee "$log"
  [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
  set -e
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1 || true)
  if [ -n "$line" ]; then
    f=$(echo "$line" | sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/')
    t=$(echo "$line" | sed -E 's/.* failed out of ([0-9]+).*/\1/')
    passed=$((passed + t - f))
    failed=$((failed + f))
  else
    status=1
    failed=$((failed + 1))
  fi
done

echo "$passed passed, $failed failed"
exit $status
