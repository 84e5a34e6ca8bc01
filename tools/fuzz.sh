#!/usr/bin/env bash
# Runs libFuzzer targets for a while each:
#   tools/fuzz.sh SECONDS [NAME...]     (no names: every target in fuzz/)
# A target NAME is fuzz/NAME.cpp; its seeds are fuzz/corpus/NAME/, and what it
# finds new is kept in build/fuzz/corpus/NAME/ (never in the source tree).
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
seconds="${1:-60}"
shift || true
names=("$@")
if [ ${#names[@]} = 0 ]; then
  for f in fuzz/*.cpp; do names+=("$(basename "$f" .cpp)"); done
fi
bash tools/setup.sh >/dev/null
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
for name in "${names[@]}"; do
  work="build/fuzz/corpus/$name"
  mkdir -p "$work"
  seeds=()
  [ -d "fuzz/corpus/$name" ] && seeds=("fuzz/corpus/$name")
  echo "== fuzz_$name for ${seconds}s"
  "build/fuzz/fuzz/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="build/fuzz/$name-" "$work" "${seeds[@]}"
done
