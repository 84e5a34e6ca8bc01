#!/usr/bin/env bash
# Builds the benchmarks optimised and runs them (each beside its reference):
#   tools/bench.sh [NAME...]   (no names: every bench/*.cpp)
# A NAME ending in _win compares with the system's drawing and runs in the
# 32-bit benchmark build under wine.
# A NAME of bench/win32/ is a timing program of the Win32 build: it is built
# with the program and run under wine.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
bash tools/setup.sh >/dev/null
names=("$@")
if [ ${#names[@]} = 0 ]; then
  for f in bench/*.cpp; do names+=("$(basename "$f" .cpp)"); done
fi
native_built=""
for name in "${names[@]}"; do
  if [ "${name%_win}" != "$name" ]; then
    # Beside the system's own drawing: the 32-bit benchmark build, under wine.
    cmake --preset bench-win32 >/dev/null
    cmake --build --preset bench-win32 --target "bench_$name"
    tools/wine-run.sh --prefix "$ROOT/build/bench-win32/wineprefix" "build/bench-win32/bench/bench_$name.exe"
    continue
  fi
  if [ -f "bench/win32/$name.cpp" ]; then
    cmake --preset win32 >/dev/null
    cmake --build --preset win32 --target "bench_$name"
    tools/wine-run.sh --prefix "$ROOT/build/win32/wineprefix" "build/win32/bench/win32/bench_$name.exe"
    continue
  fi
  if [ -z "$native_built" ]; then
    cmake --preset bench >/dev/null
    cmake --build --preset bench
    native_built=1
  fi
  "build/bench/bench/bench_$name" --benchmark_counters_tabular=true
done
