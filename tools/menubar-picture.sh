#!/usr/bin/env bash
# Pictures of Taramel's main window given a menu bar (the program has none):
# at rest, with its first menu open, and with the extended border, in a
# virtual desktop:
#   tools/menubar-picture.sh [FOLDER]       (default build/menubar-picture)
# Writes bar-rest.png, bar-open.png and bar-extended.png.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
exec "$ROOT/tools/common/picture-tool.sh" menubarpicture "${1:-$ROOT/build/menubar-picture}"
