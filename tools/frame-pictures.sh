#!/usr/bin/env bash
# Pictures of Taramel's three windows with their skinned frames, active and
# inactive, as the screen of a virtual desktop shows them:
#   tools/frame-pictures.sh [FOLDER]        (default build/frame-pictures)
# Writes main-, settings- and about-active.png and -inactive.png.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
out="$(mkdir -p "${1:-build/frame-pictures}" && cd "${1:-build/frame-pictures}" && pwd)"

cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Taramel framepictures

# A copy of dist/: the program writes its settings beside itself.
work="$ROOT/build/win64/frame-pictures"
rm -rf "$work"
mkdir -p "$work"
cp dist/Taramel.exe dist/Topaz.asz dist/test.txt "$work/"

prefix="$ROOT/build/win64/wineprefix"
"$ROOT/tools/wine-run.sh" --prefix "$prefix" --prepare
"$ROOT/tools/wine-run.sh" --prefix "$prefix" --desktop 1024x768 \
  "$ROOT/build/win64/tools/framepictures/framepictures.exe" "Z:$work/Taramel.exe" "Z:$out"
for f in "$out"/*.bmp; do
  convert "$f" "${f%.bmp}.png" && rm -f "$f"
done
ls "$out"/*.png
