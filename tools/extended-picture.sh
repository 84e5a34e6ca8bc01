#!/usr/bin/env bash
# Pictures of Taramel's main window with the skin manager's extended borders
# switched on (the program keeps them off), in a virtual desktop:
#   tools/extended-picture.sh [FOLDER]      (default build/extended-picture)
# Writes screen-active.png, screen-inactive.png and cache-active.png.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
out="$(mkdir -p "${1:-build/extended-picture}" && cd "${1:-build/extended-picture}" && pwd)"

cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Taramel extendedpicture

# The tool finds the skin beside itself, as the program does.
work="$ROOT/build/win64/extended-picture"
rm -rf "$work"
mkdir -p "$work"
cp dist/Topaz.asz dist/test.txt "$ROOT/build/win64/tools/extendedpicture/extendedpicture.exe" "$work/"

prefix="$ROOT/build/win64/wineprefix"
"$ROOT/tools/wine-run.sh" --prefix "$prefix" --prepare
(cd "$work" && "$ROOT/tools/wine-run.sh" --prefix "$prefix" --desktop 1024x768 \
  "$work/extendedpicture.exe" "Z:$out")
for f in "$out"/*.bmp; do
  convert "$f" "${f%.bmp}.png" && rm -f "$f"
done
ls "$out"/*.png
