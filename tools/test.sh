#!/usr/bin/env bash
# Builds and runs every test: the portable core natively (AddressSanitizer and
# UBSan), then the whole program for 64-bit Windows with every test under
# wine64, then for 32-bit Windows, whose tests run under the 32-bit wine where
# this machine can run 32-bit programs. Where it cannot, the 32-bit build is
# still made and its checks of the files themselves (imports, static objects,
# layers) run; one line says that the rest did not.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"

bash tools/setup.sh

status=0
build() {
  echo "== $1: configure and build"
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1"
}
run_tests() {
  echo "== $1: tests"
  ctest --preset "$1" || status=1
}
build native
run_tests native
build win64
run_tests win64
build win32
if bash tools/runs-32bit.sh; then
  run_tests win32
else
  run_tests win32-files
  echo "32-bit suite: built, not run: this machine runs no 32-bit programs (only its file checks ran)"
fi

# One closing line over the builds, counted in test cases.
passed=0
failed=0
for log in build/native/Testing/Temporary/LastTest.log build/win64/Testing/Temporary/LastTest.log \
           build/win32/Testing/Temporary/LastTest.log; do
  [ -f "$log" ] || continue
  # grep finds nothing in a log without failures: not an error here.
  p=$( (grep -aoE '^\[  PASSED  \] [0-9]+ test' "$log" || true) | awk '{s+=$4} END {print s+0}')
  f=$( (grep -aoE '^\[  FAILED  \] [0-9]+ test' "$log" || true) | awk '{s+=$4} END {print s+0}')
  passed=$((passed + p))
  failed=$((failed + f))
done
if [ "$status" != 0 ] && [ "$failed" = 0 ]; then failed=1; fi
echo "tests: $passed passed, $failed failed"
exit "$status"
