#!/bin/sh
# Usage: expect_sanitizer_report.sh REPORT PROGRAM [ARGS...]
# Passes only if PROGRAM fails and its output carries REPORT: a sanitizer
# report that did not end the process would let faulty code pass its tests.
report=$1
shift
output=$("$@" 2>&1)
status=$?
printf '%s\n' "$output"
if [ "$status" -eq 0 ]; then
  echo "FAIL: the program exited with 0 despite its fault"
  exit 1
fi
if ! printf '%s\n' "$output" | grep -qF "$report"; then
  echo "FAIL: exit status $status, but no report \"$report\""
  exit 1
fi
echo "OK: \"$report\" and exit status $status"
