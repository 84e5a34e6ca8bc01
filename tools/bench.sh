#!/usr/bin/env bash
# Builds the benchmarks optimised and runs them (each beside its reference):
#   tools/bench.sh [NAME...]   (no names: every bench/*.cpp)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
bash tools/setup.sh >/dev/null
cmake --preset bench >/dev/null
cmake --build --preset bench
names=("$@")
if [ ${#names[@]} = 0 ]; then
  for f in bench/*.cpp; do names+=("$(basename "$f" .cpp)"); done
fi
for name in "${names[@]}"; do
  "build/bench/bench/bench_$name" --benchmark_counters_tabular=true
done
