#!/usr/bin/env bash
# Pictures of Taramel's main window with the skin manager's extended borders
# switched on (the program keeps them off), in a virtual desktop:
#   tools/extended-picture.sh [FOLDER]      (default build/extended-picture)
# Writes screen-active.png, screen-inactive.png and cache-active.png.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
exec "$ROOT/tools/common/picture-tool.sh" extendedpicture "${1:-$ROOT/build/extended-picture}"
