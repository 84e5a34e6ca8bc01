#!/usr/bin/env bash
# Builds Taramel (64-bit) and runs it under wine64 in a virtual desktop, so that window
# frames are drawn by the program itself. With a display it opens there;
# without one it runs on a private Xvfb, waits until the main window is shown,
# saves a screenshot and stops the program. It always ends: a window that does
# not come within TARAMEL_WAIT seconds (default 60) is reported as a failure.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"

bash tools/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Taramel waitwindow

prefix="$ROOT/build/win64/wineprefix"
wine_run=("$ROOT/tools/wine-run.sh" --prefix "$prefix")
desktop_name=Taramel
# The caption carries the version the build configured.
version="$(sed -n 's/^#define TARAMEL_VERSION_SHORT "\(.*\)"$/\1/p' "$ROOT/build/win64/generated/TaramelVersion.h")"
caption="Тарамел (История Казахстана) $version"
# The deck is read from the working folder, the settings beside the program.
cd "$ROOT/dist"
if [ -n "${DISPLAY:-}" ]; then
  exec "${wine_run[@]}" --desktop 1024x768 ./Taramel.exe
fi

shot="${TARAMEL_SCREENSHOT:-$ROOT/build/taramel-screenshot.png}"
wait_seconds="${TARAMEL_WAIT:-60}"
# A new prefix is made (and wine's configuration update finished) before the
# program starts, so the first run shows the program, not wine's progress box.
"${wine_run[@]}" --prepare

# The program runs in a session of its own so that it and every wine process
# it started can be stopped together.
setsid "${wine_run[@]}" --desktop 1024x768 ./Taramel.exe </dev/null >/dev/null 2>&1 &
program=$!

stop_program() {
  WINEPREFIX="$prefix" timeout 20 wineserver -k 2>/dev/null || true
  kill -TERM -- "-$program" 2>/dev/null || true
  for _ in $(seq 1 50); do
    kill -0 "$program" 2>/dev/null || break
    sleep 0.2
  done
  kill -KILL -- "-$program" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
}
trap stop_program EXIT

status=0
if "${wine_run[@]}" "$ROOT/build/win64/tools/waitwindow/waitwindow.exe" \
     "$desktop_name" "$caption" "$wait_seconds" </dev/null; then
  # The window exists; give its first paint a moment to reach the screen.
  sleep 1
  import -display "$(cat "$prefix.display")" -window root "$shot"
  echo "Taramel ran on a virtual display; screenshot: $shot"
else
  echo "run: the main window did not appear within $wait_seconds s" >&2
  status=1
fi
exit "$status"
