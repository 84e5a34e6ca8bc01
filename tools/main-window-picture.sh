#!/usr/bin/env bash
# The picture of the main window that the README shows:
#   tools/main-window-picture.sh [OUT.png]      (default docs/main-window.png)
# Runs the program as tools/run.sh does on a private virtual screen and cuts
# the window out of the desktop around it.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$ROOT/docs/main-window.png}"
shot="$(mktemp --suffix=.png)"
trap 'rm -f "$shot"' EXIT
env -u DISPLAY TARAMEL_SCREENSHOT="$shot" "$ROOT/tools/run.sh" >/dev/null
mkdir -p "$(dirname "$out")"
# The virtual desktop fills the top-left 1024 x 768 in one flat colour: the
# trim leaves only what differs from it, the window.
convert "$shot" -crop 1024x768+0+0 +repage -trim +repage -strip "$out"
echo "$out"
