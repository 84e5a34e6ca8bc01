#!/usr/bin/env bash
# Builds Taramel and runs it under wine in a virtual desktop, so that window
# frames are drawn by the program itself. With a display it opens there;
# without one it runs on a private Xvfb, saves a screenshot and stops.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"

bash tools/setup.sh
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target Taramel

prefix="$ROOT/build/win32/wineprefix"
# The deck is read from the working folder, the settings beside the program.
cd "$ROOT/dist"
if [ -n "${DISPLAY:-}" ]; then
  exec "$ROOT/tools/wine-run.sh" --prefix "$prefix" --desktop 1024x768 ./Taramel.exe
fi

shot="${TARAMEL_SCREENSHOT:-$ROOT/build/taramel-screenshot.png}"
"$ROOT/tools/wine-run.sh" --prefix "$prefix" --desktop 1024x768 ./Taramel.exe &
pid=$!
sleep "${TARAMEL_SCREENSHOT_DELAY:-6}"
import -display "$(cat "$prefix.display")" -window root "$shot"
WINEPREFIX="$prefix" wineserver -k || true
wait "$pid" 2>/dev/null || true
echo "Taramel ran on a virtual display; screenshot: $shot"
