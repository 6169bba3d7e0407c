#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite; prints the CTest summary.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build=${QUORBIT_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo ${QUORBIT_CMAKE_ARGS:-}
cmake --build "$build" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="default.warning=false"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
