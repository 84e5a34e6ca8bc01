#!/usr/bin/env bash
# Runs the installer tests in their prefix, then ends whatever of that prefix
# still runs (a program a failed test left behind would otherwise keep the
# test's output open, and the test command would wait for it).
#   run-tests.sh PREFIX test_installer.exe [args...]
set -uo pipefail
prefix="$1"
shift
HERE="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$HERE/../../tools/wine-run.sh" --prefix "$prefix" "$@"
status=$?
WINEPREFIX="$prefix" timeout 20 wineserver -k 2>/dev/null || true
exit $status
