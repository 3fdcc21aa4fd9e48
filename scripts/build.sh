#!/usr/bin/env bash
# Builds the requested targets: host (unit tests, asset checks), i686 (the
# shipped Paperwisp.exe) and x64 (the same program for 64-bit Wine).
# Usage: scripts/build.sh [host] [i686] [x64] [asan]   (default: all but asan)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=${PAPERWISP_JOBS:-2}
cmake_flags=(-DPAPERWISP_WERROR=ON)

configure_and_build() {  # dir, extra cmake arguments...
  local dir=$1; shift
  cmake -S "$root" -B "$dir" "${cmake_flags[@]}" "$@" >/dev/null
  cmake --build "$dir" -j "$jobs"
}

targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(i686 x64 host)
for t in "${targets[@]}"; do
  case $t in
    i686) configure_and_build build/i686 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" ;;
    x64) configure_and_build build/x64 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" ;;
    host)
      i686_exe=""; x64_dir=""
      [ -f build/i686/Paperwisp.exe ] && i686_exe="$root/build/i686/Paperwisp.exe"
      [ -f build/x64/Paperwisp.exe ] && x64_dir="$root/build/x64"
      configure_and_build build/host -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPAPERWISP_I686_EXE="$i686_exe" -DPAPERWISP_X64_DIR="$x64_dir" ;;
    asan) CC=clang CXX=clang++ configure_and_build build/asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPAPERWISP_SANITIZE=ON ;;
    *) echo "build.sh: unknown target $t" >&2; exit 2 ;;
  esac
done
