#!/usr/bin/env bash
# The portable core must build without the Windows headers: only files named
# *_win.cpp / *_win.h in its folders may include them.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bad=$(grep -rlE '#\s*include\s*[<"](windows|winuser|wingdi|commctrl|shellapi|shlobj|uxtheme|dwmapi|windowsx)\.h[>"]' \
        app skin paint render images base 2>/dev/null | grep -vE '_win\.(cpp|h)$' || true)
if [ -n "$bad" ]; then
  echo "Windows headers in the portable core:"
  echo "$bad"
  echo "portable: 0 passed, 1 failed"
  exit 1
fi
echo "portable: 1 passed, 0 failed"
