#!/usr/bin/env bash
# Benchmarks Paperwisp under Wine: start-up against a floor program, note
# creation, memory, idle cost and footprint. Prints a table (medians of the
# runs) and writes the same figures as JSON under bench/results/.
# Usage: bench/run.sh [--runs N] [--startup-runs N] [--dpi 144]
# Builds the x86_64 and i686 targets first if needed; ./test.sh installs
# what they need. Not part of the test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
log=build/bench-build.log
mkdir -p build
if ! scripts/build.sh x64 i686 >"$log" 2>&1; then
  tail -n 30 "$log"
  echo "bench: the build failed (full log: $log)" >&2
  exit 1
fi
exec /usr/bin/python3 bench/bench.py --app-dir build/x64 --i686-exe build/i686/Paperwisp.exe "$@"
