#!/usr/bin/env bash
# Dependencies point down: every #include "FOLDER/..." of a source file names
# its own folder or one below it in cmake/layers.txt. The portable folders
# stay free of the Windows headers and of the Win32-only folders, except in
# their files named *_win.cpp / *_win.h.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

declare -A rank kind
n=0
while read -r folder what _; do
  [[ -z $folder || $folder == \#* ]] && continue
  rank[$folder]=$n
  kind[$folder]=$what
  n=$((n + 1))
done < cmake/layers.txt

windows_headers='^(windows|winuser|wingdi|commctrl|shellapi|shlobj|uxtheme|dwmapi|windowsx|commdlg|objbase|ole2)\.h$'
errors=()
for folder in "${!rank[@]}"; do
  [ -d "$folder" ] || continue
  while IFS= read -r -d '' file; do
    win_half=0
    [[ $file =~ _win\.(cpp|h)$ ]] && win_half=1
    while IFS= read -r line; do
      number=${line%%:*}
      include=$(sed -E 's/^[^#]*#[[:space:]]*include[[:space:]]*[<"]([^>"]+)[>"].*/\1/' <<<"${line#*:}")
      target=${include%%/*}
      if [[ $include == */* && -n ${rank[$target]+x} ]]; then
        if (( rank[$target] > rank[$folder] )); then
          errors+=("$file:$number: includes $include, but $target lies above $folder")
        elif [[ ${kind[$folder]} == portable && $win_half == 0 && ( ${kind[$target]} == win32 || $include =~ _win\.h$ ) ]]; then
          errors+=("$file:$number: includes the Win32 header $include in a portable file (name it *_win)")
        fi
      elif [[ ${kind[$folder]} == portable && $win_half == 0 && ${include,,} =~ $windows_headers ]]; then
        errors+=("$file:$number: includes $include in a portable file (name it *_win)")
      fi
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' "$file" || true)
  done < <(find "$folder" -type f \( -name '*.h' -o -name '*.cpp' \) -print0)
done

if ((${#errors[@]})); then
  echo "Includes that point the wrong way (order: cmake/layers.txt):"
  printf '  %s\n' "${errors[@]}"
  echo "layers: 0 passed, 1 failed"
  exit 1
fi
echo "layers: 1 passed, 0 failed"
