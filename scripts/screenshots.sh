#!/usr/bin/env bash
# Takes the user's guide's pictures in docs/ afresh from the current program:
# builds the x86_64 program and photographs it under Wine on a virtual
# display of its own (tests/e2e/screenshots.py says which pictures).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/bootstrap.sh
scripts/build.sh x64 >/dev/null
exec python3 tests/e2e/screenshots.py docs
