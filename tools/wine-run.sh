#!/usr/bin/env bash
# Runs a Win32 program under wine for the build and the tests:
#   wine-run.sh --prefix DIR [--arch 64|32] [--desktop WxH] program.exe [args...]
#   wine-run.sh --prefix DIR [--arch 64|32] --prepare   (only the prefix, display and server)
# Creates the prefix once (under a lock, so parallel tests never build it
# twice), starts a private Xvfb when there is no display, keeps one wineserver
# alive between runs and selects the Russian locale (code page 1251).
#
# --arch picks the prefix and the loader: 64 (the default) a 64-bit prefix and
# wine's 64-bit loader, 32 a 32-bit prefix and the 32-bit loader. The loader is
# named here, not left to the `wine` command: that one prefers the 32-bit
# loader whenever it is installed, even where the kernel cannot start it.
set -euo pipefail

prefix=""
desktop=""
prepare=0
arch=64
while [ $# -gt 0 ]; do
  case "$1" in
    --prefix) prefix="$2"; shift 2 ;;
    --arch) arch="$2"; shift 2 ;;
    --desktop) desktop="$2"; shift 2 ;;
    --prepare) prepare=1; shift ;;
    *) break ;;
  esac
done
[ -n "$prefix" ] || { echo "wine-run: --prefix is required" >&2; exit 2; }
mkdir -p "$(dirname "$prefix")"
prefix="$(cd "$(dirname "$prefix")" && pwd)/$(basename "$prefix")"

case "$arch" in
  64) loader=/usr/lib/wine/wine64 ;;
  32) loader=/usr/lib/wine/wine ;;
  *) echo "wine-run: --arch is 64 or 32, not $arch" >&2; exit 2 ;;
esac
if [ ! -x "$loader" ]; then
  echo "wine-run: $loader is missing (tools/setup.sh installs the $arch-bit wine where this machine can run it)" >&2
  exit 2
fi
export WINEPREFIX="$prefix"
export WINEARCH="win$arch"
export WINELOADER="$loader"
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
    "$loader" wineboot.exe --init >/dev/null 2>&1 9>&- || true
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
  "$loader" wineboot.exe </dev/null >/dev/null 2>&1 9>&- || true
) 9>"$lock"

[ "$prepare" = 0 ] || exit 0
if [ -n "$desktop" ]; then
  exec "$loader" explorer "/desktop=Taramel,$desktop" "$@"
fi
exec "$loader" "$@"
