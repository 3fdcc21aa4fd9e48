#!/usr/bin/env bash
# Installs what is missing, builds Paperwisp and starts it under Wine: on the
# current X display, or on a virtual Xvfb display when there is none.
set -euo pipefail
cd "$(dirname "$0")"
root=$PWD

scripts/bootstrap.sh
scripts/build.sh i686 x64
echo "Built build/i686/Paperwisp.exe (the shipped 32-bit program) and build/x64/Paperwisp.exe."

xvfb_pid=""
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; true; }
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  display=90
  while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
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
  echo "Preparing the Wine prefix ${WINEPREFIX:-$HOME/.wine} (first start only)..."
  wineboot -i >/dev/null 2>&1
fi
if [ -n "$xvfb_pid" ]; then
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
fi
echo "Starting Paperwisp: double-click its tray icon for a note, right-click it for the menu."
wine "$root/build/x64/Paperwisp.exe"
