#!/usr/bin/env bash
# A fresh wine prefix for the installer tests: fresh-prefix.sh PREFIX
# Whatever an earlier run installed goes with the old prefix. Every program
# runs in a virtual desktop (where the program draws its skinned frames), the
# user's folders are folders of the prefix (not links to the home folder,
# where a desktop shortcut would land), and wine makes no menu entries on the
# machine for the shortcuts.
set -euo pipefail
prefix="$1"
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
wine_run="$HERE/../../tools/wine-run.sh"
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="

if [ -d "$prefix" ]; then
  WINEPREFIX="$prefix" timeout 20 wineserver -k 2>/dev/null || true
  WINEPREFIX="$prefix" timeout 20 wineserver -w 2>/dev/null || true
  rm -rf "$prefix"
fi
"$wine_run" --prefix "$prefix" --prepare
for user in "$prefix"/drive_c/users/*/; do
  for link in "$user"*; do
    if [ -L "$link" ]; then
      rm "$link"
      mkdir "$link"
    fi
  done
done
reg="$(dirname "$prefix")/installer-desktop.reg"
printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\n"Desktop"="Installer"\n\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\n"Installer"="1280x1024"\n' > "$reg"
"$wine_run" --prefix "$prefix" regedit /S "$reg"
echo "fresh prefix: $prefix"
