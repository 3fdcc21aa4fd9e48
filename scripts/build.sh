#!/usr/bin/env bash
# Builds the requested targets with the CMake presets of CMakePresets.json:
# host (unit tests, asset checks), i686 (the shipped Paperwisp.exe), x64 (the
# same program for 64-bit Wine) and asan (the unit tests under sanitizers).
# Usage: scripts/build.sh [host] [i686] [x64] [asan]   (default: all but asan)
# Compiler warnings are errors when CI=true or PAPERWISP_WERROR=ON.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=${PAPERWISP_JOBS:-2}
werror=OFF
if [ "${CI:-}" = true ] || [ "${PAPERWISP_WERROR:-OFF}" = ON ]; then werror=ON; fi

configure_and_build() {  # preset, extra cmake arguments...
  local preset=$1; shift
  cmake --preset "$preset" -DPAPERWISP_WERROR="$werror" "$@" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
}

# The checks run by the first Python that can read executables with pefile
# (bootstrap.sh installs it for Debian's); without one, CMake explains.
python_with_pefile() {
  local python
  for python in python3 /usr/bin/python3; do
    if command -v "$python" >/dev/null && "$python" -c 'import pefile' 2>/dev/null; then
      command -v "$python"
      return
    fi
  done
}

targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(i686 x64 host)
for t in "${targets[@]}"; do
  case $t in
    i686) configure_and_build mingw-i686 ;;
    x64) configure_and_build mingw-x64 ;;
    host)
      host_flags=()
      python=$(python_with_pefile)
      [ -z "$python" ] || host_flags+=(-DPython3_EXECUTABLE="$python")
      # The checks of the Windows builds that exist: the i686 exe's
      # resources and package, and the end-to-end tests of both (the x86_64
      # build's driver runs them).
      i686_exe=""; x64_dir=""
      [ -f build/i686/Paperwisp.exe ] && i686_exe="$root/build/i686/Paperwisp.exe"
      [ -f build/x64/Paperwisp.exe ] && x64_dir="$root/build/x64"
      configure_and_build host "${host_flags[@]}" -DPAPERWISP_I686_EXE="$i686_exe" \
        -DPAPERWISP_X64_DIR="$x64_dir" ;;
    asan) configure_and_build asan ;;
    *) echo "build.sh: unknown target $t" >&2; exit 2 ;;
  esac
done
