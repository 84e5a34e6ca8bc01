#!/usr/bin/env bash
# The start-up goal under wine: the time from process start to the first
# skinned paint of Taramel's main window against the time to the first paint
# of an empty Win32 window, side by side, alternating, in one run:
#   tools/startup-time.sh [ROUNDS]          (7 by default)
# Both run in a virtual desktop (where the program draws its own frames),
# each from a folder of its own: Taramel's is a copy of dist/.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
rounds="${1:-7}"

cmake --preset win32 >/dev/null
cmake --build --preset win32 --target Taramel startup_time startup_ref

work="$ROOT/build/win32/startup"
rm -rf "$work"
mkdir -p "$work/program" "$work/reference"
cp dist/Taramel.exe dist/Topaz.asz dist/test.txt "$work/program/"
cp build/win32/tools/startup/startup_ref.exe "$work/reference/"

prefix="$ROOT/build/win32/wineprefix"
"$ROOT/tools/wine-run.sh" --prefix "$prefix" --prepare
exec "$ROOT/tools/wine-run.sh" --prefix "$prefix" --desktop 1024x768 \
  "$ROOT/build/win32/tools/startup/startup_time.exe" \
  "Z:$work/program/Taramel.exe" "Z:$work/reference/startup_ref.exe" "$rounds"
