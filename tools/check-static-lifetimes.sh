#!/usr/bin/env bash
# The program's forms, and with them their providers, controls and the skin
# manager one of them owns, are destroyed with the application object at the
# program's end, after every other static object of the program: those were
# made after it. Whatever static they reach must therefore never be destroyed
# (it is made with new on first use and kept). The application's own file is
# the one place with static objects that have destructors: the screen and the
# application object.
#   check-static-lifetimes.sh NM LIBRARY...
# A library member that registers a destructor to run at exit (mingw-w64 does
# it through atexit; a native build through __cxa_atexit) fails the check.
set -euo pipefail
nm="$1"
shift
allowed='^Application\.cpp\.(obj|o)$'
found=()
for library in "$@"; do
  while IFS= read -r member; do
    [[ $member =~ $allowed ]] || found+=("$(basename "$library"): $member")
  done < <("$nm" -A "$library" 2>/dev/null | grep -E ' U _{0,2}(atexit|cxa_atexit)$' | cut -d: -f2 | sort -u)
done
if ((${#found[@]})); then
  echo "Static objects with destructors, destroyed at the program's end before the forms that may use them"
  echo "(make them on first use with new and keep them):"
  printf '  %s\n' "${found[@]}"
  echo "static_lifetimes: 0 passed, 1 failed"
  exit 1
fi
echo "static_lifetimes: 1 passed, 0 failed"
