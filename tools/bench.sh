#!/usr/bin/env bash
# Builds the benchmarks optimised and runs them (each beside its reference):
#   tools/bench.sh [--arch 64|32] [NAME...]   (no names: every bench/*.cpp)
# A NAME ending in _win compares with the system's drawing and runs in the
# Windows benchmark build under wine (64-bit by default; --arch 32 for the
# 32-bit one, on a machine that runs 32-bit programs).
# A NAME of bench/win32/ is a timing program of the Windows build: it is built
# with the program and run under wine, of the same width.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
bash tools/setup.sh >/dev/null
arch=64
if [ "${1:-}" = "--arch" ]; then
  arch="$2"
  shift 2
fi
names=("$@")
if [ ${#names[@]} = 0 ]; then
  for f in bench/*.cpp; do names+=("$(basename "$f" .cpp)"); done
fi
native_built=""
for name in "${names[@]}"; do
  if [ "${name%_win}" != "$name" ]; then
    # Beside the system's own drawing: the Windows benchmark build, under wine.
    cmake --preset "bench-win$arch" >/dev/null
    cmake --build --preset "bench-win$arch" --target "bench_$name"
    tools/wine-run.sh --prefix "$ROOT/build/bench-win$arch/wineprefix" --arch "$arch" \
      "build/bench-win$arch/bench/bench_$name.exe"
    continue
  fi
  if [ -f "bench/win32/$name.cpp" ]; then
    cmake --preset "win$arch" >/dev/null
    cmake --build --preset "win$arch" --target "bench_$name"
    tools/wine-run.sh --prefix "$ROOT/build/win$arch/wineprefix" --arch "$arch" \
      "build/win$arch/bench/win32/bench_$name.exe"
    continue
  fi
  if [ -z "$native_built" ]; then
    cmake --preset bench >/dev/null
    cmake --build --preset bench
    native_built=1
  fi
  "build/bench/bench/bench_$name" --benchmark_counters_tabular=true
done
