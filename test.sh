#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: unit tests,
# asset and resource checks, the release package's check, and the end-to-end
# tests of the real program, its i686 and x86_64 builds, under Wine. The last
# line is "N passed, M failed" (", K skipped" added when tests could not run
# here, as the i686 ones where the kernel runs no 32-bit program, with the
# reason on the line before); the exit status is non-zero on any failure.
set -uo pipefail
cd "$(dirname "$0")"

scripts/bootstrap.sh || exit 1
if ! scripts/build.sh i686 x64 host asan; then
  echo "build failed"
  echo "0 passed, 1 failed"
  exit 1
fi
# The release package, which the host build's package test unpacks.
if ! scripts/package.sh; then
  echo "packaging failed"
  echo "0 passed, 1 failed"
  exit 1
fi

passed=0
failed=0
skipped=0
run_suite() {  # name, build dir, extra ctest arguments...
  local name=$1 dir=$2; shift 2
  echo "== $name"
  local log
  log=$(mktemp)
  (cd "$dir" && ctest --output-on-failure "$@") 2>&1 | tee "$log"
  local summary total bad skips
  summary=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$summary" ]; then
    failed=$((failed + 1))  # ctest itself did not run to the end
  else
    bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$summary")
    total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$summary")
    # ctest counts a skipped test among the passed ones.
    skips=$(grep -cE '^[[:space:]]*[0-9]+ - .* \(Skipped\)$' "$log")
    passed=$((passed + total - bad - skips))
    failed=$((failed + bad))
    skipped=$((skipped + skips))
  fi
  rm -f "$log"
}

run_suite "unit, asset, resource and end-to-end tests" build/host -j 2
run_suite "unit tests under AddressSanitizer and UndefinedBehaviorSanitizer" build/asan -j 2 -LE e2e

if [ "$skipped" -gt 0 ]; then
  echo "skipped: the i686 build's end-to-end tests, as $(scripts/kernel-runs-32-bit.sh)"
  echo "$passed passed, $failed failed, $skipped skipped"
else
  echo "$passed passed, $failed failed"
fi
[ "$failed" -eq 0 ]
