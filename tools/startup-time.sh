#!/usr/bin/env bash
# The start-up goal under wine: the time from process start to the first
# skinned paint of Taramel's main window against the time to the first paint
# of an empty Win32 window, side by side, alternating, in one run:
#   tools/startup-time.sh [--trace] [ROUNDS]          (7 by default)
# Both run in a virtual desktop (where the program draws its own frames),
# each from a folder of its own: Taramel's is a copy of dist/.
# With --trace the run is traced by wine (which slows it a little) into
# build/win64/startup/trace.log, and tools/startup/where.py then tells where
# the time goes: when each DLL is loaded, when the entry point is called, when
# Taramel ends each step of its start-up (TARAMEL_STARTUP_TRACE) and when the
# first paint is signalled, for both programs.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
trace=0
if [ "${1:-}" = "--trace" ]; then
  trace=1
  shift
fi
rounds="${1:-7}"

cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Taramel startup_time startup_ref

work="$ROOT/build/win64/startup"
rm -rf "$work"
mkdir -p "$work/program" "$work/reference"
cp dist/Taramel.exe dist/Topaz.asz dist/test.txt "$work/program/"
cp build/win64/tools/startup/startup_ref.exe "$work/reference/"

prefix="$ROOT/build/win64/wineprefix"
"$ROOT/tools/wine-run.sh" --prefix "$prefix" --prepare
run=("$ROOT/tools/wine-run.sh" --prefix "$prefix" --desktop 1024x768
  "$ROOT/build/win64/tools/startup/startup_time.exe"
  "Z:$work/program/Taramel.exe" "Z:$work/reference/startup_ref.exe" "$rounds")
if [ $trace = 0 ]; then
  exec "${run[@]}"
fi
status=0
TARAMEL_STARTUP_TRACE=1 WINEDEBUG=+timestamp,+loaddll,+process,+debugstr "${run[@]}" >"$work/trace.log" 2>&1 || status=$?
grep -a -E '^(round|median)' "$work/trace.log" || true
python3 "$ROOT/tools/startup/where.py" "$work/trace.log"
exit $status
