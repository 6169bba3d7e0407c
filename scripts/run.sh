#!/usr/bin/env bash
# Sets up, builds and starts Quorbit.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORBIT_BENCH=OFF
cmake --build build -j"$(nproc)"
exec ./build/quorbit
