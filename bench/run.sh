#!/usr/bin/env bash
# Benchmarks Paperwisp under Wine, the shipped i686 build (where the kernel
# runs 32-bit programs) and the x86_64 one, each against a floor program
# built alike: start-up, note creation, memory, idle cost and footprint.
# Prints a table per build (medians of the runs, with their spread) and writes
# the same figures as JSON under bench/results/.
# Usage: bench/run.sh [--runs N] [--startup-rounds N] [--dpi 144]
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
exec /usr/bin/python3 bench/bench.py --i686-dir build/i686 --x64-dir build/x64 "$@"
