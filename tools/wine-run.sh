#!/usr/bin/env bash
# Runs a Win32 program under wine for the build and the tests:
#   wine-run.sh --prefix DIR [--desktop WxH] program.exe [args...]
#   wine-run.sh --prefix DIR --prepare      (only the prefix, display and server)
# Creates the 32-bit prefix once (under a lock, so parallel tests never build
# it twice), starts a private Xvfb when there is no display, keeps one
# wineserver alive between runs and selects the Russian locale (code page 1251).
set -euo pipefail

prefix=""
desktop=""
prepare=0
while [ $# -gt 0 ]; do
  case "$1" in
    --prefix) prefix="$2"; shift 2 ;;
    --desktop) desktop="$2"; shift 2 ;;
    --prepare) prepare=1; shift ;;
    *) break ;;
  esac
done
[ -n "$prefix" ] || { echo "wine-run: --prefix is required" >&2; exit 2; }
mkdir -p "$(dirname "$prefix")"
prefix="$(cd "$(dirname "$prefix")" && pwd)/$(basename "$prefix")"

export WINEPREFIX="$prefix"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer dialogs.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# LANG alone leaves wine on code page 1252.
export LC_ALL=ru_RU.UTF-8
export LANG=ru_RU.UTF-8

lock="$prefix.lock"

start_xvfb() {
  local n
  for n in $(seq 91 199); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
      Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 9>&- &
      for _ in $(seq 1 50); do
        if xdpyinfo -display ":$n" >/dev/null 2>&1; then
          echo ":$n" > "$prefix.display"
          return 0
        fi
        sleep 0.1
      done
    fi
  done
  echo "wine-run: could not start Xvfb" >&2
  exit 1
}

(
  flock 9
  if [ -z "${DISPLAY:-}" ]; then
    d=""
    [ -f "$prefix.display" ] && d="$(cat "$prefix.display")"
    if [ -z "$d" ] || ! xdpyinfo -display "$d" >/dev/null 2>&1; then
      start_xvfb
    fi
  fi
  if [ ! -f "$prefix/system.reg" ]; then
    if [ -z "${DISPLAY:-}" ]; then export DISPLAY="$(cat "$prefix.display")"; fi
    # The lock descriptor must not leak into the servers that outlive us.
    wineboot -i >/dev/null 2>&1 9>&- || true
    wineserver -w 9>&-
    fonts="$prefix/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    cp /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null || true
  fi
) 9>"$lock"

if [ -z "${DISPLAY:-}" ]; then export DISPLAY="$(cat "$prefix.display")"; fi
# One persistent wineserver for a whole test run: starting it for every test
# program would cost a second each time.
# Wine's own background processes (services, device drivers) inherit the
# standard handles of the program that starts them and outlive it with the
# server; started here with no handles of ours, they never keep a caller's
# pipes open (ctest would wait for the server to exit).
(
  flock 9
  wineserver -p60 </dev/null >/dev/null 2>&1 9>&- || true
  wine wineboot.exe </dev/null >/dev/null 2>&1 9>&- || true
) 9>"$lock"

[ "$prepare" = 0 ] || exit 0
if [ -n "$desktop" ]; then
  exec wine explorer "/desktop=Taramel,$desktop" "$@"
fi
exec wine "$@"
