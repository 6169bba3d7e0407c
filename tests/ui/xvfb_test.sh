#!/usr/bin/env bash
# Runs a test program on an X screen of its own: xvfb-run starts an Xvfb of the size asked
# and stops it when the program ends. With a third argument the program's screenshots go
# to that folder. Usage: xvfb_test.sh WIDTHxHEIGHT SHOT_FOLDER|- PROGRAM ARGS...
set -euo pipefail
size=$1
shots=$2
shift 2
if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "FAILED: xvfb-run is missing; scripts/setup.sh installs the xvfb package" >&2
  exit 1
fi
if [ "$shots" != "-" ]; then
  mkdir -p "$shots"
  export QUORBIT_SCREENSHOTS="$shots"
fi
export QT_QPA_PLATFORM=xcb
exec xvfb-run -a -s "-screen 0 ${size}x24 -nolisten tcp" "$@"
