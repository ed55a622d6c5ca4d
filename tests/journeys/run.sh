#!/usr/bin/env bash
# Runs journeys: every tests/journeys/*.journey.sh, or those named (without .journey.sh), each in
# a shell of its own, and ends with "N passed, M failed" (exit 1 when any failed).
# A journey that shows a fault not mended yet carries a line "# expected to fail: WHY"; its
# failure then counts as a pass and its success as a failure, so the mark goes with the mend.
#
# Inside scripts/test (CTest) the display, the Wine prefix and its persistent server are
# there already. Run by hand, it builds nothing: it takes the win64 build folder of the
# checkout (or VL_BIN), starts a private X server with Wine's virtual desktop, and ends that
# Wine server afterwards:   tests/journeys/run.sh [NAME...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export LANG=C.UTF-8 WINEDEBUG=-all WINEARCH=win64

if [ -z "${DISPLAY:-}" ] || [ -z "${WINEPREFIX:-}" ]; then
  source "$here/../../scripts/lib.sh"
  export VL_BIN=${VL_BIN:-$BUILD_ROOT/win64}
  export VL_JOURNEY_WORK=${VL_JOURNEY_WORK:-$VL_BIN/journeys}
  wine_prepare
  trap wine_stop EXIT
  unset DISPLAY
  exec xvfb-run -a -s '-screen 0 1280x1024x24 -nolisten tcp' bash -c '
    wineserver -p
    wine cmd /c exit </dev/null >/dev/null 2>&1
    rc=0
    bash "$0" "$@" || rc=$?
    wineserver -k
    exit $rc' "$0" "$@"
fi

: "${VL_BIN:?VL_BIN names the win64 build folder}"
export VL_BIN VL_JOURNEY_WORK=${VL_JOURNEY_WORK:-$VL_BIN/journeys}
mkdir -p "$VL_JOURNEY_WORK"

names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for f in "$here"/*.journey.sh; do
    n=$(basename "$f")
    names+=("${n%.journey.sh}")
  done
fi

passed=0 failed=0 failures=()
for name in "${names[@]}"; do
  file=$here/$name.journey.sh
  [ -f "$file" ] || { echo "no journey $name"; failed=$((failed + 1)); failures+=("$name"); continue; }
  start=$SECONDS
  ok=1
  # A command that fails outside fail() says which, before the journey ends on it.
  bash -c 'set -eEuo pipefail
    trap '\''echo "journey ${J_NAME:-}: \"$BASH_COMMAND\" failed (exit $?) at step \"${J_STEP:-}\"" >&2'\'' ERR
    source "$0/lib.sh"; journey_begin "$1"; source "$2"' \
    "$here" "$name" "$file" || ok=0
  expected=$(sed -n 's/^# expected to fail: //p' "$file")
  if [ -n "$expected" ]; then
    ok=$((1 - ok))
    echo "  ($name is expected to fail: $expected; it $([ $ok = 1 ] && echo did || echo "did not"))"
  fi
  if [ $ok = 1 ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    failures+=("$name")
  fi
  echo "  ($name: $((SECONDS - start)) s)"
done
[ ${#failures[@]} -eq 0 ] || echo "failed: ${failures[*]}"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
