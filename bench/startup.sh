#!/usr/bin/env bash
# Start-up time: from starting the program to its main window's first paint, offscreen
# and without a sound device. Prints each run and the median in milliseconds.
# usage: bench/startup.sh PROGRAM [RUNS]
set -eu
program=$1 runs=${2:-9}
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="default.warning=false"
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
"$program" --first-paint-exit >/dev/null  # warm the file cache
times=()
for _ in $(seq "$runs"); do
  start=$(date +%s%N)
  painted=$("$program" --first-paint-exit | tail -n 1)
  times+=($(( (painted - start) / 1000000 )))
done
echo "runs (ms): ${times[*]}"
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start to first paint: median ${sorted[$(( runs / 2 ))]} ms"
