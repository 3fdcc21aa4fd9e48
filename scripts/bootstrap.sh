#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run and test
# Paperwisp, saying what it installs and why. Installs only missing packages,
# so a second run costs nothing and prints nothing (but for the one line that
# says when the kernel cannot run the 32-bit program).
set -euo pipefail
cd "$(dirname "$0")/.."

# Why each group of packages is needed.
groups=(
  "build tools and the unit tests|cmake make g++ libgtest-dev"
  "the MinGW-w64 compilers for the Windows program|g++-mingw-w64-i686 g++-mingw-w64-x86-64"
  "64-bit Wine to run the Windows program here|wine64 wine"
  "a virtual display, input and screenshots for the end-to-end tests|xvfb xauth xdotool x11-utils imagemagick"
  "Wine's own Marlett font, which draws the close boxes in the guide's pictures|fonts-wine"
  "the checks written in Python, which read executables with pefile|python3 python3-pefile"
  "the asset generator (giflib, libjpeg, FreeType, DejaVu fonts)|libgif-dev libjpeg-dev libfreetype-dev fonts-dejavu-core"
  "the sanitizer and fuzzing build (clang)|clang libclang-rt-14-dev"
)
# The shipped Paperwisp.exe is 32-bit: Debian's 32-bit Wine runs it in the
# same prefix as the 64-bit programs, where the kernel runs 32-bit programs.
if not_32_bit=$(scripts/kernel-runs-32-bit.sh); then
  groups+=("32-bit Wine to run the shipped 32-bit Paperwisp.exe (i386 architecture)|wine32:i386")
else
  echo "bootstrap: $not_32_bit: 32-bit Wine left out, the i686 end-to-end tests are skipped"
fi

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

fail() {
  echo "bootstrap: $*" >&2
  exit 1
}

if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
  missing_all=()
  for group in "${groups[@]}"; do missing_all+=(${group#*|}); done
  fail "this script installs with apt-get on Debian 12, which this system lacks." \
    "Install the equivalents of: ${missing_all[*]}"
fi

missing=()
reasons=()
for group in "${groups[@]}"; do
  group_missing=()
  for package in ${group#*|}; do
    installed "$package" || group_missing+=("$package")
  done
  if [ ${#group_missing[@]} -gt 0 ]; then
    missing+=("${group_missing[@]}")
    reasons+=("  ${group_missing[*]}: ${group%%|*}")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "bootstrap: installing the missing packages:"
printf '%s\n' "${reasons[@]}"

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null ||
    fail "installing needs root, and sudo is missing. As root, run: apt-get install ${missing[*]}" \
      "(for wine32:i386, first: dpkg --add-architecture i386 && apt-get update)"
  sudo_cmd=(sudo)
fi
mkdir -p build
log=$PWD/build/bootstrap.log
: >"$log"
export DEBIAN_FRONTEND=noninteractive
# Debian's 32-bit packages come with its i386 architecture.
if [[ " ${missing[*]} " == *:i386\ * ]] &&
  ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386 >>"$log" 2>&1 ||
    fail "could not enable the i386 architecture (dpkg --add-architecture i386): see $log"
fi
"${sudo_cmd[@]}" apt-get update >>"$log" 2>&1 ||
  fail "could not read the package lists (apt-get update failed: no network, or no Debian" \
    "mirror configured?). apt-get's report is in $log."
"${sudo_cmd[@]}" apt-get install -y "${missing[@]}" >>"$log" 2>&1 ||
  fail "could not install ${missing[*]}. The last lines of apt-get's report" \
    "($log):$(echo; tail -n 3 "$log")"
echo "bootstrap: done"
