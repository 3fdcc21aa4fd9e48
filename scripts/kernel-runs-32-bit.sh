#!/usr/bin/env bash
# Whether this kernel runs 32-bit x86 programs, which the 32-bit Wine, and so
# the shipped 32-bit Paperwisp.exe, needs. It runs one: a 96-byte 32-bit
# Linux program that does nothing but exit with status 42. Any other outcome
# (an exec format error where the kernel lacks 32-bit support, a crash) is a
# no. Prints nothing and exits 0 when the kernel runs it; otherwise prints
# the reason in one line and exits 1.
# Usage: scripts/kernel-runs-32-bit.sh [DIR]   (DIR for the probe, default build)
set -uo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
mkdir -p "$dir"
probe=$dir/probe-i386

# ELF header (32-bit, little-endian, executable, i386, entry 0x08048054),
# one loadable segment holding the whole file, then the code:
# mov eax, 1 (exit); mov ebx, 42; int 0x80.
printf '%b' \
  '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
  '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' \
  '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00' \
  '\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08' \
  '\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00' \
  '\x00\x10\x00\x00\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >"$probe"
chmod +x "$probe"
"$probe" 2>/dev/null
status=$?
rm -f "$probe"
[ "$status" -eq 42 ] && exit 0
echo "this kernel does not run 32-bit programs" \
  "(a 32-bit probe that exits with 42 ended with status $status)"
exit 1
