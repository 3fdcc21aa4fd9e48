#!/usr/bin/env bash
# Installs what is missing, builds Paperwisp and starts it under Wine: on the
# current X display, or on a virtual Xvfb display when there is none. It
# starts the shipped 32-bit build, or the 64-bit one where the kernel runs no
# 32-bit program, and says which. Prints a line per step; what the steps
# themselves print goes to build/run.log and is shown in full only when a step
# fails.
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD
mkdir -p build
log=$root/build/run.log
: >"$log"

step() {  # description, command...
  local what=$1; shift
  local output status=0
  output=$(mktemp)
  printf '%s... ' "$what"
  "$@" >"$output" 2>&1 || status=$?
  if [ "$status" -eq 0 ]; then
    echo "done"
    cat "$output" >>"$log"
    rm -f "$output"
    return
  fi
  echo "failed"
  tee -a "$log" <"$output"
  rm -f "$output"
  echo "run.sh: '$what' failed (exit status $status); its output is above and in $log" >&2
  exit 1
}

scripts/bootstrap.sh
# What users get is the 32-bit program; bootstrap.sh has said it when this
# kernel cannot run it.
if scripts/kernel-runs-32-bit.sh >/dev/null; then
  build=i686 what="the shipped 32-bit program"
else
  build=x64 what="the 64-bit build (this kernel runs no 32-bit program)"
fi
exe=build/$build/Paperwisp.exe
step "Building $what, $exe" scripts/build.sh $build

xvfb_pid=""
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; true; }
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  display=90
  while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >>"$log" 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$display"
  for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  # No window manager on a virtual display: let Wine place its windows itself.
  export WINEPREFIX=${WINEPREFIX:-$root/build/run-wine}
  echo "No X display found: Paperwisp runs on the virtual display $DISPLAY (Xvfb)."
  echo "Look at it with: import -display $DISPLAY -window root screenshot.png"
fi

export WINEDEBUG=${WINEDEBUG:--all}
if [ ! -f "${WINEPREFIX:-$HOME/.wine}/system.reg" ]; then
  step "Preparing the Wine prefix ${WINEPREFIX:-$HOME/.wine} (first start only)" wineboot -i
fi
if [ -n "$xvfb_pid" ]; then
  step "Telling Wine that no window manager runs" sh -c "
    wine reg add 'HKCU\\Software\\Wine\\X11 Driver' /v Managed /d N /f &&
    wine reg add 'HKCU\\Software\\Wine\\X11 Driver' /v Decorated /d N /f"
fi
echo "Starting Paperwisp, $what ($exe): double-click its tray icon for a note," \
  "right-click it for the menu."
step "Paperwisp is running (Exit in its menu ends it)" wine "$root/$exe"
