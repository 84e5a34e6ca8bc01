#!/usr/bin/env bash
# Runs one of the picture tools of the Windows build beside the skin and the
# sample deck, in a virtual desktop, and turns the BMP files it writes into
# PNG:  tools/common/picture-tool.sh TOOL FOLDER
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
cd "$ROOT"
tool="$1"
out="$(mkdir -p "$2" && cd "$2" && pwd)"

cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Taramel "$tool"

# The tool finds the skin beside itself, as the program does.
work="$ROOT/build/win64/$tool-work"
rm -rf "$work"
mkdir -p "$work"
cp dist/Topaz.asz dist/test.txt "$ROOT/build/win64/tools/$tool/$tool.exe" "$work/"

prefix="$ROOT/build/win64/wineprefix"
"$ROOT/tools/wine-run.sh" --prefix "$prefix" --prepare
(cd "$work" && "$ROOT/tools/wine-run.sh" --prefix "$prefix" --desktop 1024x768 "$work/$tool.exe" "Z:$out")
for f in "$out"/*.bmp; do
  convert "$f" "${f%.bmp}.png" && rm -f "$f"
done
ls "$out"/*.png
