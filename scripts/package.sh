#!/usr/bin/env bash
# Builds the shipped 32-bit Paperwisp.exe (Release, in build/i686) and writes
# the release package dist/Paperwisp-<version>-win32.zip: Paperwisp.exe,
# README.txt, LICENSE.txt and SHA256SUMS. The version is the one in
# CMakeLists.txt; the same sources give the same zip.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh i686 >/dev/null
cmake --build --preset mingw-i686 --target release_zip
