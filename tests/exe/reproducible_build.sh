#!/usr/bin/env bash
# Builds the shipped i686 Paperwisp.exe twice from the source tree SOURCE_DIR,
# in two fresh build directories at different depths, and checks that the two
# executables are byte for byte the same.
# usage: reproducible_build.sh SOURCE_DIR
set -euo pipefail
source_dir=$(cd "$1" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/paperwisp-repro-XXXXXX")
trap 'rm -rf "$work"' EXIT

builds=("$work/a" "$work/second/build")
for dir in "${builds[@]}"; do
  cmake -S "$source_dir" -B "$dir" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-i686.cmake" >/dev/null
  cmake --build "$dir" --target Paperwisp -j "${PAPERWISP_JOBS:-2}" >/dev/null
done
first=${builds[0]}/Paperwisp.exe
second=${builds[1]}/Paperwisp.exe
if ! cmp "$first" "$second"; then
  echo "FAIL: two builds of the same source differ"
  exit 1
fi
echo "two builds are identical: $(stat -c %s "$first") bytes"
